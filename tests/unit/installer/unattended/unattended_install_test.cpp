#include <gtest/gtest.h>

#include <algorithm>

#include "common/Paths.h"
#include "fakes/FakeLogOutput.h"
#include "installer/engine/InstallSequenceTest.h"
#include "installer/unattended/UnattendedInstall.h"

namespace qlr {
namespace {

using namespace test;

// The kit in D:\KIT, a player in C:\Winamp, and the installer's run with switches as its program
// runs it: the command line refused or answered with the usage, else start-up and the install.
struct Station {
    Station() {
        for (const char* dir : {"D:\\", "D:\\KIT", "C:\\Winamp", "C:\\Winamp\\plugins", "C:\\WINDOWS\\SYSTEM"})
            fakes.files.AddDirectory(dir);
        for (const char* name : kKitFiles) fakes.files.AddFile(std::string("D:\\KIT\\") + name, name);
        fakes.files.currentDirectory = "D:\\KIT";
        fakes.registry.SetString(kPlayerCommandKey, "\"C:\\Winamp\\winamp.exe\" \"%1\"");
        fakes.windows.onEvents = [this](std::uint32_t ms) { fakes.clock.now += ms; };  // the pause passes
    }
    int Run(const std::string& commandLine) {
        const InstallerOptions options = ParseInstallerOptions(commandLine);
        RecordedWindowSystem windows(fakes.windows, log, options.Unattended(), options.closePlayer ? kIdYes : kIdNo);
        InstallerServices s = fakes.Services();
        Installer installer({windows, s.files, s.registry, s.clock, s.ini, s.shell, &log});
        if (std::optional<int> code = RefuseOrHelp(options, kInstallerUsage, "QLR Installer", windows, log))
            return *code;
        if (std::optional<int> code = StartUnattendedInstall(installer, windows, log)) return *code;
        return FinishUnattendedInstall(installer, options, log);
    }
    std::size_t Logged(const std::string& prefix) const {
        const Strings lines = output.Lines();
        return std::count_if(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    }

    FakeInstallerServices fakes;
    FakeLogOutput output;
    RunLog log{output, "run.log"};
};

TEST(UnattendedInstall, InstallsOrChangesNothingAndSaysWhyInItsExitCodeAndLog) {
    const std::string list = " /PLAYLIST=\"D:\\Lists\\main.m3u\"", box = "note   Message box \"QLR Installer\": ";
    const struct {
        char station;  // ' ' ready; 'm' a kit file missing, 'r' the player running, 's' running and
                       // staying open when asked to close, 'n' no player
        std::string arguments;
        int exitCode;
        std::size_t boxes, failed;  // boxes shown; steps of the install logged as failed
        std::string logged;        // the beginning of a line of the log
        const char* end;
    } cases[] = {
        {' ', "/VERYSILENT /DIR=D:\\Q" + list, 0, 0, 0, "ok     Copy _setup.qlr to D:\\Q\\qlr111.exe", "Quillora Installed ! [All Done]"},
        {'m', "/SILENT" + list, 1, 0, 1, "FAILED Copy in_line.dl_ to C:\\Winamp\\plugins\\IN_LINE.DLL (error 2",
         "Quillora Installed With Errors ! [Steps Failed : 1]"},
        {'r', "/VERYSILENT" + list, 4, 0, 0, box + "Winamp Was Found Running", "Winamp runs, no /CLOSEPLAYER: nothing installed"},
        {'r', "/VERYSILENT /CLOSEPLAYER" + list, 0, 0, 0, "note   Installing from D:\\KIT beside Winamp in C:\\Winamp",
         "Quillora Installed ! [All Done]"},
        {'s', "/VERYSILENT /CLOSEPLAYER" + list, 4, 0, 0, box + "Winamp Was Found Running",
         "Winamp did not close: nothing installed"},
        {'n', "/VERYSILENT" + list, 3, 0, 0, "", "Winamp not found: nothing installed"},
        // Refused, or help: a box only at the window, where someone is there to close it.
        {' ', "/VERYSILENT /QUIET" + list, 2, 0, 0, box + "/QUIET: no such switch", "Command line refused, nothing changed"},
        {' ', "/QUIET", 2, 1, 0, box + "/QUIET: no such switch", "Command line refused, nothing changed"},
        {' ', "/?", 0, 1, 0, box + "installer.exe [/SILENT", "Usage shown, nothing changed"},
        {' ', "/SILENT /HELP" + list, 2, 0, 0, box + "installer.exe [/SILENT", "Usage shown, nothing changed"},
    };
    // An install logs each of its steps once, "ok" or "FAILED": as many lines as an install on a
    // ready station logs, whatever steps the install has; one that ends before it installs, none.
    Station ready;
    ready.Run("installer.exe /VERYSILENT" + list);
    const std::size_t steps = ready.Logged("ok ");
    EXPECT_EQ(ready.Logged("FAILED "), 0u);
    EXPECT_GT(steps, std::size(kKitFiles));  // a copy of each of the kit's files, and more
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        Station station;
        if (c.station == 'm') station.fakes.files.RemoveTree("D:\\KIT\\in_line.dl_");
        if (c.station == 'r' || c.station == 's') station.fakes.windows.windows["Winamp v1.x"] = 0x1234;
        if (c.station == 's') station.fakes.windows.staysOpen.insert(0x1234);
        if (c.station == 'n') station.fakes.registry = FakeRegistry();
        EXPECT_EQ(station.Run("installer.exe " + c.arguments), c.exitCode);
        EXPECT_EQ(station.fakes.windows.boxes.size(), c.boxes);
        const bool installed = std::string(c.end).rfind("Quillora Installed", 0) == 0;
        EXPECT_EQ(station.Logged("ok "), installed ? steps - c.failed : 0);
        EXPECT_EQ(station.Logged("FAILED "), c.failed);
        EXPECT_GT(station.Logged(c.logged), 0u);
        EXPECT_EQ(station.output.Lines().back(), "end    " + std::string(c.end) + " (exit code " + char('0' + c.exitCode) + ")");
        const Strings& screen = station.fakes.windows.log;
        const bool closing = c.arguments.find("/CLOSEPLAYER") != std::string::npos;
        EXPECT_EQ(std::count(screen.begin(), screen.end(), "close:4660"), closing);
        // Nothing written by a run that does not install.
        EXPECT_EQ(station.fakes.files.log.empty(), std::string(c.end).rfind("Quillora Installed", 0) != 0);
        // A player that stays open is given two seconds to take its window down.
        if (c.station == 's') {
            EXPECT_NEAR(station.fakes.clock.now, 2000, 100);
        }
    }
}

}  // namespace
}  // namespace qlr
