// installer.exe started with switches, as deployment tools start it: nothing shows, the same
// files as an install at the window, a log of every step, and an exit code that says how it went.
#include <algorithm>

#include "InstallFixture.h"

namespace {

using namespace qlr::install_tests;

const std::string kFakePlayer = driver::HostPath(QLR_FAKEAMP_EXE);

// A log line without its date and time ("yyyy-mm-dd hh:mm:ss ").
std::string Entry(const std::string& line) { return line.substr(std::min<std::size_t>(20, line.size())); }

TEST_F(InstallE2E, VerySilentInstallShowsNothingAndWritesWhatTheWindowWrites) {
    const std::string log = root_.MakeSubdirectory("deploy logs") + "\\install.log";
    driver::Process installer = driver::Process::StartWritten(
        kInstaller, "/VERYSILENT /PLAYLIST=\"" + std::string(kPlaylist) + "\" /log=\"" + log + "\"", kit_);
    EXPECT_EQ(driver::ExpectExitShowingNothing(installer, 30000), 0u);
    ExpectCopies();
    ExpectConfiguration();
    ExpectSettings();
    ExpectShortcut();

    const std::vector<std::string> lines = driver::ReadLines(log);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(Entry(lines.front()).rfind("start  ", 0), 0u) << lines.front();
    EXPECT_NE(lines.front().find("installer.exe 0.9.0.1, computer "), std::string::npos) << lines.front();
    EXPECT_NE(lines.front().find("/VERYSILENT /PLAYLIST=\"" + std::string(kPlaylist) + "\""), std::string::npos);
    // Every step of the install done, each logged once (the unit tests hold the count to the
    // steps the install has): no step failed, and the ten copies are among those done.
    auto logged = [&](const char* tag) {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& line) { return Entry(line).rfind(tag, 0) == 0; });
    };
    EXPECT_EQ(logged("FAILED "), 0);
    EXPECT_EQ(logged("ok     Copy "), 10);
    EXPECT_GT(logged("ok "), 10);
    EXPECT_EQ(Entry(lines.back()), "end    Quillora Installed ! [All Done] (exit code 0)");
}

TEST_F(InstallE2E, RefusedRunsChangeNothingAndTheirExitCodeSaysWhy) {
    const std::string log = root_.Path() + "\\refused.log";
    const std::string record = root_.Path() + "\\player.txt";
    const std::string playlist = " /PLAYLIST=\"" + std::string(kPlaylist) + "\" /LOG=\"" + log + "\"";
    struct Case {
        const char* name;
        std::string arguments;
        DWORD exitCode;
    };
    const Case cases[] = {
        {"unknown switch", "/VERYSILENT /QUIET" + playlist, 2},
        {"no playlist", "/SILENT /LOG=\"" + log + "\"", 2},
        {"playlist too short", "/VERYSILENT /PLAYLIST=a.m3u /LOG=\"" + log + "\"", 2},
        {"directory too short", "/VERYSILENT /DIR=C:" + playlist, 2},
        {"help, unattended", "/VERYSILENT /?" + playlist, 2},
        {"player running", "/VERYSILENT" + playlist, 4},
        {"player not found", "/SILENT" + playlist, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver::Process player;
        if (c.exitCode == 4) {
            player = driver::Process::Start(kFakePlayer, {record}, root_.Path());
            driver::WaitForMainWindow(player);
        }
        if (c.exitCode == 3) driver::RegDeleteKey("HKCR\\Winamp.SkinZip");
        driver::Process installer = driver::Process::StartWritten(kInstaller, c.arguments, kit_);
        EXPECT_EQ(driver::ExpectExitShowingNothing(installer, 20000), c.exitCode);
        EXPECT_EQ(GetFileAttributesA(InstallDir().c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(ReadBytes(player_ + "\\hvr.ini"), "<missing>");
        EXPECT_EQ(ReadBytes(SystemDirectory() + "\\msvbvm60.dll"), "<missing>");
        EXPECT_EQ(GetFileAttributesA(Link().c_str()), INVALID_FILE_ATTRIBUTES);
        const std::vector<std::string> lines = driver::ReadLines(log);
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines.back().find("(exit code " + std::to_string(c.exitCode) + ")"), std::string::npos)
            << lines.back();
        if (player.Started()) {
            EXPECT_TRUE(player.Running());  // a station on air stays on air
            EXPECT_TRUE(driver::ReadLines(record).empty());
        }
    }
}

}  // namespace
