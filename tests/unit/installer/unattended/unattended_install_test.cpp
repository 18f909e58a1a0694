#include <gtest/gtest.h>

#include <algorithm>

#include "common/Paths.h"
#include "fakes/FakeInstallerServices.h"
#include "fakes/FakeLogOutput.h"
#include "installer/unattended/UnattendedInstall.h"

namespace qlr {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

const char* const kKitFiles[] = {"_setup.qlr",   "_isdel.qlr",   "comdlg32.dll", "comdlg32.ocx",
                                 "comdlg32.dep", "comdlg32.oca", "msvbvm60.dll", "out_ds_ssrc.dl_",
                                 "in_line.dl_"};

// The installer started with switches from D:\KIT, beside a player in C:\Winamp, its procedures
// on a recording window system over the fake screen, its log in "run.log".
class UnattendedInstall : public ::testing::Test {
protected:
    UnattendedInstall() {
        for (const char* dir : {"D:\\", "D:\\KIT", "C:\\Winamp", "C:\\Winamp\\plugins", "C:\\WINDOWS",
                                "C:\\WINDOWS\\SYSTEM"})
            files.AddDirectory(dir);
        for (const char* name : kKitFiles) files.AddFile(std::string("D:\\KIT\\") + name, name);
        files.currentDirectory = "D:\\KIT";
        fakes.registry.SetString(kPlayerCommandKey, "\"C:\\Winamp\\winamp.exe\" \"%1\"");
        // The pause waits on the screen's events; each wait lets the time pass.
        screen.onEvents = [this](std::uint32_t ms) { fakes.clock.now += ms; };
    }

    int Run(const std::string& commandLine) {
        options = ParseInstallerOptions(commandLine);
        EXPECT_EQ(options.refusal, "");
        windows = std::make_unique<RecordedWindowSystem>(screen, log, true,
                                                         options.closePlayer ? kIdYes : kIdNo);
        InstallerServices services = fakes.Services();
        installer = std::make_unique<Installer>(InstallerServices{
            *windows, services.files, services.registry, services.clock, services.ini, services.shell, &log});
        if (std::optional<int> code = StartUnattendedInstall(*installer, *windows, log)) return *code;
        ++shown;
        return FinishUnattendedInstall(*installer, options, log);
    }
    Strings Logged() const { return output.Lines("run.log"); }
    bool Logged(const std::string& line) const {
        const Strings lines = Logged();
        return std::find(lines.begin(), lines.end(), "2026-12-07 09:05:03 " + line) != lines.end();
    }
    bool Written() const {
        return std::any_of(files.log.begin(), files.log.end(),
                           [](const std::string& entry) { return entry.rfind("copy", 0) == 0 ||
                                                                 entry.rfind("mkdir", 0) == 0 ||
                                                                 entry.rfind("create", 0) == 0; });
    }

    FakeInstallerServices fakes;
    FakeWindowSystem& screen = fakes.windows;
    FakeFileSystem& files = fakes.files;
    FakeLogOutput output;
    RunLog log{output, "run.log"};
    InstallerOptions options;
    std::unique_ptr<RecordedWindowSystem> windows;
    std::unique_ptr<Installer> installer;
    int shown = 0;
};

TEST_F(UnattendedInstall, InstallsWhatTheWindowInstallsLogsEveryStepAndShowsNoBox) {
    EXPECT_EQ(Run("installer.exe /VERYSILENT /PLAYLIST=\"D:\\Lists\\main.m3u\" /DIR=D:\\Q"), kExitDone);
    EXPECT_TRUE(screen.boxes.empty());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(files.Read("D:\\Q\\qlr111.exe"), "_setup.qlr");
    EXPECT_EQ(files.Read("C:\\Winamp\\deflist.fil"), "D:\\Lists\\main.m3u\r\n");
    EXPECT_EQ(fakes.shell.links.count("C:\\Users\\dj\\Desktop\\Quillora.lnk"), 1u);

    const Strings lines = Logged();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "2026-12-07 09:05:03 note   Installing from D:\\KIT beside Winamp in C:\\Winamp");
    EXPECT_EQ(lines.back(), "2026-12-07 09:05:03 end    Quillora Installed ! [All Done] (exit code 0)");
    // Every guarded step, done: the directory, ten copies, the System directory, five files
    // created and closed with their 19 lines, 23 settings, the shortcut.
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("2026-12-07 09:05:03 ok ", 0) == 0; }),
              1 + 10 + 1 + 5 * 2 + 19 + 23 + 1);
    EXPECT_TRUE(Logged("ok     Copy in_line.dl_ to C:\\Winamp\\plugins\\IN_LINE.DLL"));
}

TEST_F(UnattendedInstall, FailedStepsGiveOneEachInTheLogAndTheBoxGoesThereToo) {
    files.RemoveTree("D:\\KIT\\in_line.dl_");
    EXPECT_EQ(Run("installer.exe /SILENT /PLAYLIST=D:\\Lists\\main.m3u"), kExitFailedSteps);
    EXPECT_TRUE(screen.boxes.empty());
    EXPECT_TRUE(Logged("FAILED Copy in_line.dl_ to C:\\Winamp\\plugins\\IN_LINE.DLL (error 2: The "
                       "system cannot find the file specified.)"));
    EXPECT_TRUE(Logged("note   Message box \"QLR 1.10 Installer\": Copy in_line.dl_ to "
                       "C:\\Winamp\\plugins\\IN_LINE.DLL (error 2) (answered OK)"));
    EXPECT_EQ(Logged().back(),
              "2026-12-07 09:05:03 end    Quillora Installed With Errors ! [Steps Failed : 1] (exit code 1)");
}

TEST_F(UnattendedInstall, ARunningPlayerIsClosedOnlyWhenTheCommandLineSaysSo) {
    screen.windows["Winamp v1.x"] = 0x1234;
    EXPECT_EQ(Run("installer.exe /VERYSILENT /PLAYLIST=D:\\Lists\\main.m3u"), kExitPlayerRunning);
    EXPECT_EQ(std::count(screen.log.begin(), screen.log.end(), "close:4660"), 0);
    EXPECT_FALSE(Written());
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(Logged().back(), "2026-12-07 09:05:03 end    Winamp runs, no /CLOSEPLAYER: nothing installed (exit code 4)");

    EXPECT_EQ(Run("installer.exe /VERYSILENT /PLAYLIST=D:\\Lists\\main.m3u /CLOSEPLAYER"), kExitDone);
    EXPECT_EQ(std::count(screen.log.begin(), screen.log.end(), "close:4660"), 1);
    EXPECT_TRUE(Logged("note   Message box \"QLR Installer\": Winamp Was Found Running And Needs To "
                       "Be Closed To Install QLR. Close Winamp Now ? (answered Yes)"));
    EXPECT_TRUE(screen.boxes.empty());
}

TEST_F(UnattendedInstall, WithoutThePlayerNothingIsInstalled) {
    fakes.registry = FakeRegistry();
    EXPECT_EQ(Run("installer.exe /VERYSILENT /PLAYLIST=D:\\Lists\\main.m3u"), kExitPlayerNotFound);
    EXPECT_FALSE(Written());
    EXPECT_TRUE(screen.boxes.empty());
    EXPECT_EQ(Logged().back(), "2026-12-07 09:05:03 end    Winamp not found: nothing installed (exit code 3)");
}

}  // namespace
}  // namespace qlr
