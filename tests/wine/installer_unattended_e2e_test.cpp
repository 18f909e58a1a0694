// installer.exe started with switches, as deployment tools start it: nothing shows (with /SILENT, a
// window that takes no input), the same files as an install at the window, a log of every step, and
// an exit code that says how it went.
#include <algorithm>

#include "InstallFixture.h"
#include "driver/Wait.h"

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

// The /SILENT window shows the install's texts and takes no input from its first moment: every
// button disabled, the text boxes read-only, and a click sent to "&Exit Installer" in the middle
// of the install asks nothing.
TEST_F(InstallE2E, SilentInstallShowsItsStatusAndTakesNoInput) {
    const std::string log = root_.Path() + "\\silent.log";
    driver::Process installer = driver::Process::StartWritten(
        kInstaller, "/SILENT /PLAYLIST=\"" + std::string(kPlaylist) + "\" /LOG=\"" + log + "\"", kit_);
    const HWND main = driver::WaitForMainWindow(installer);
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_FALSE(IsWindowEnabled(driver::Control(main, ids::Command2)));
    EXPECT_TRUE(GetWindowLongA(driver::Control(main, ids::Text2), GWL_STYLE) & ES_READONLY);
    driver::WaitUntil([&] { return driver::ControlText(main, ids::Text1) == "Installing ..."; },
                      "the install's pause");
    for (int id : {ids::Command1, ids::Command2, ids::Command3, ids::Command4})
        EXPECT_FALSE(IsWindowEnabled(driver::Control(main, id))) << id;
    EXPECT_TRUE(IsWindowEnabled(driver::Control(main, ids::Text1)));  // its text keeps its colours
    // Sent to the button all the same, as another program could (the driver's click refuses a
    // disabled button).
    PostMessageA(driver::Control(main, ids::Command2), BM_CLICK, 0, 0);

    std::string box;  // the text of a box shown meanwhile
    driver::WaitUntil([&] {
        for (HWND window : driver::VisibleTopLevelWindows(installer.Id()))
            if (driver::IsMessageBox(window)) box = driver::ControlText(window, 0xFFFF);
        return !box.empty() || !installer.Running();
    }, "the end of the install", 30000);
    EXPECT_EQ(box, "");
    EXPECT_EQ(installer.ExpectExit(), 0u);
    ExpectCopies();
    const std::vector<std::string> lines = driver::ReadLines(log);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.find("Message box") != std::string::npos; }),
              0);
    ASSERT_FALSE(lines.empty());
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
        const char* end;     // the log's last line says so
        const char* player;  // the stand-in player's mode; none running when null
    };
    const Case cases[] = {
        {"unknown switch", "/VERYSILENT /QUIET" + playlist, 2, "Command line refused, nothing changed", nullptr},
        {"no playlist", "/SILENT /LOG=\"" + log + "\"", 2, "Command line refused, nothing changed", nullptr},
        {"playlist too short", "/VERYSILENT /PLAYLIST=a.m3u /LOG=\"" + log + "\"", 2,
         "Command line refused, nothing changed", nullptr},
        {"directory too short", "/VERYSILENT /DIR=C:" + playlist, 2, "Command line refused, nothing changed", nullptr},
        {"help, unattended", "/VERYSILENT /?" + playlist, 2, "Usage shown, nothing changed", nullptr},
        {"player running", "/VERYSILENT" + playlist, 4, "Winamp runs, no /CLOSEPLAYER: nothing installed", ""},
        // Asked to close, it never returns from the request: the install waits 10 s for it, then
        // 2 s for its window to go.
        {"player does not close", "/VERYSILENT /CLOSEPLAYER" + playlist, 4,
         "Winamp did not close: nothing installed", "--stuck"},
        {"player not found", "/SILENT" + playlist, 3, "Winamp not found: nothing installed", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver::Process player;
        if (c.player) {
            std::vector<std::string> arguments{record};
            if (*c.player) arguments.push_back(c.player);
            player = driver::Process::Start(kFakePlayer, arguments, root_.Path());
            driver::WaitForMainWindow(player);
        }
        if (c.exitCode == 3) driver::RegDeleteKey("HKCR\\Winamp.SkinZip");
        driver::Process installer = driver::Process::StartWritten(kInstaller, c.arguments, kit_);
        EXPECT_EQ(driver::ExpectExitShowingNothing(installer, 30000), c.exitCode);
        EXPECT_EQ(GetFileAttributesA(InstallDir().c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(ReadBytes(player_ + "\\hvr.ini"), "<missing>");
        EXPECT_EQ(ReadBytes(SystemDirectory() + "\\msvbvm60.dll"), "<missing>");
        EXPECT_EQ(GetFileAttributesA(Link().c_str()), INVALID_FILE_ATTRIBUTES);
        const std::vector<std::string> lines = driver::ReadLines(log);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(Entry(lines.back()), "end    " + std::string(c.end) + " (exit code " +
                                           std::to_string(c.exitCode) + ")");
        if (player.Started()) {
            EXPECT_TRUE(player.Running());  // a station on air stays on air
            // Only /CLOSEPLAYER asks it to close.
            EXPECT_EQ(driver::ReadLines(record).size(),
                      std::size_t(c.arguments.find("/CLOSEPLAYER") != std::string::npos));
        }
        DeleteFileA(record.c_str());
    }
}

}  // namespace
