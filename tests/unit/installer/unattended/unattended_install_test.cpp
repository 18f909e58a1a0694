#include <gtest/gtest.h>

#include <algorithm>

#include "common/Paths.h"
#include "fakes/FakeInstallerServices.h"
#include "fakes/FakeLogOutput.h"
#include "installer/unattended/UnattendedInstall.h"

namespace qlr {
namespace {

using namespace test;

// The installer started with switches from D:\KIT beside a player in C:\Winamp: its procedures
// on a recording window system over the fake screen, its log in "run.log".
class UnattendedInstall : public ::testing::Test {
protected:
    UnattendedInstall() {
        for (const char* dir : {"D:\\", "D:\\KIT", "C:\\Winamp", "C:\\Winamp\\plugins", "C:\\WINDOWS\\SYSTEM"})
            files.AddDirectory(dir);
        for (const char* name : {"_setup.qlr", "_isdel.qlr", "comdlg32.dll", "comdlg32.ocx", "comdlg32.dep",
                                 "comdlg32.oca", "msvbvm60.dll", "out_ds_ssrc.dl_", "in_line.dl_"})
            files.AddFile(std::string("D:\\KIT\\") + name, name);
        files.currentDirectory = "D:\\KIT";
        fakes.registry.SetString(kPlayerCommandKey, "\"C:\\Winamp\\winamp.exe\" \"%1\"");
        // The pause waits on the screen's events; each wait lets the time pass.
        screen.onEvents = [this](std::uint32_t ms) { fakes.clock.now += ms; };
    }

    int Run(const std::string& commandLine) {
        const InstallerOptions options = ParseInstallerOptions(commandLine);
        RecordedWindowSystem windows(screen, log, true, options.closePlayer ? kIdYes : kIdNo);
        InstallerServices services = fakes.Services();
        Installer installer({windows, services.files, services.registry, services.clock, services.ini,
                             services.shell, &log});
        if (std::optional<int> code = StartUnattendedInstall(installer, windows, log)) return *code;
        return FinishUnattendedInstall(installer, options, log);
    }
    std::size_t Logged(const std::string& prefix) const {
        const std::vector<std::string> lines = output.Lines();
        return std::count_if(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    }
    bool Written() const {
        for (const std::string& entry : files.log)
            if (entry.rfind("copy", 0) == 0 || entry.rfind("mkdir", 0) == 0 || entry.rfind("create", 0) == 0) return true;
        return false;
    }

    FakeInstallerServices fakes;
    FakeWindowSystem& screen = fakes.windows;
    FakeFileSystem& files = fakes.files;
    FakeLogOutput output;
    RunLog log{output, "run.log"};
};

TEST_F(UnattendedInstall, InstallsWhatTheWindowInstallsLogsEveryStepAndShowsNoBox) {
    EXPECT_EQ(Run("installer.exe /VERYSILENT /PLAYLIST=\"D:\\Lists\\main.m3u\" /DIR=D:\\Q"), kExitDone);
    EXPECT_TRUE(screen.boxes.empty());
    EXPECT_EQ(files.Read("D:\\Q\\qlr111.exe"), "_setup.qlr");
    EXPECT_EQ(files.Read("C:\\Winamp\\deflist.fil"), "D:\\Lists\\main.m3u\r\n");
    EXPECT_EQ(fakes.shell.links.count("C:\\Users\\dj\\Desktop\\Quillora.lnk"), 1u);
    EXPECT_EQ(output.Lines().front(), "note   Installing from D:\\KIT beside Winamp in C:\\Winamp");
    // Every guarded step, done: the directory, ten copies, the System directory, five files
    // created and closed with their 19 lines, 23 settings, the shortcut.
    EXPECT_EQ(Logged("ok "), 1u + 10 + 1 + 5 * 2 + 19 + 23 + 1);
    EXPECT_EQ(output.Lines().back(), "end    Quillora Installed ! [All Done] (exit code 0)");

    // A failed step: exit code 1, the step in the log with its error, and the report box too.
    files.RemoveTree("D:\\KIT\\in_line.dl_");
    EXPECT_EQ(Run("installer.exe /SILENT /PLAYLIST=D:\\Lists\\main.m3u"), kExitFailedSteps);
    EXPECT_TRUE(screen.boxes.empty());
    EXPECT_EQ(Logged("FAILED Copy in_line.dl_ to C:\\Winamp\\plugins\\IN_LINE.DLL (error 2"), 1u);
    EXPECT_EQ(Logged("note   Message box \"QLR 1.10 Installer\": Copy in_line.dl_"), 1u);
    EXPECT_EQ(output.Lines().back(), "end    Quillora Installed With Errors ! [Steps Failed : 1] (exit code 1)");
}

TEST_F(UnattendedInstall, ARunningPlayerIsClosedOnlyWhenTheCommandLineSaysSoAndWithoutOneNothingHappens) {
    screen.windows["Winamp v1.x"] = 0x1234;
    EXPECT_EQ(Run("installer.exe /VERYSILENT /PLAYLIST=D:\\Lists\\main.m3u"), kExitPlayerRunning);
    EXPECT_EQ(std::count(screen.log.begin(), screen.log.end(), "close:4660"), 0);
    EXPECT_FALSE(Written());
    EXPECT_EQ(output.Lines().back(), "end    Winamp runs, no /CLOSEPLAYER: nothing installed (exit code 4)");

    EXPECT_EQ(Run("installer.exe /VERYSILENT /PLAYLIST=D:\\Lists\\main.m3u /CLOSEPLAYER"), kExitDone);
    EXPECT_EQ(std::count(screen.log.begin(), screen.log.end(), "close:4660"), 1);
    EXPECT_EQ(Logged("note   Message box \"QLR Installer\": Winamp Was Found Running"), 2u);  // No, then Yes
    EXPECT_TRUE(screen.boxes.empty());

    fakes.registry = FakeRegistry();
    screen.windows.clear();
    files.log.clear();
    EXPECT_EQ(Run("installer.exe /VERYSILENT /PLAYLIST=D:\\Lists\\main.m3u"), kExitPlayerNotFound);
    EXPECT_FALSE(Written());
    EXPECT_EQ(output.Lines().back(), "end    Winamp not found: nothing installed (exit code 3)");
}

}  // namespace
}  // namespace qlr
