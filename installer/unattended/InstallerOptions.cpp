#include "installer/unattended/InstallerOptions.h"

#include "common/Paths.h"
#include "installer/engine/InstallSequence.h"

namespace qlr {

// One line for each part, so that the box never breaks a switch in two.
const char kInstallerUsage[] =
    "installer.exe [/SILENT | /VERYSILENT]\r\n"
    "    /PLAYLIST=\"file\" [/DIR=\"directory\"]\r\n"
    "    [/CLOSEPLAYER] [/LOG=\"file\"]\r\n\r\n"
    "Exit codes:\r\n"
    "0  installed\r\n"
    "1  installed, steps failed (see the log)\r\n"
    "2  command line refused, nothing changed\r\n"
    "3  Winamp not found, nothing changed\r\n"
    "4  Winamp runs (no /CLOSEPLAYER, or it did not close), nothing changed";

InstallerOptions ParseInstallerOptions(const std::string& commandLine) {
    InstallerOptions options;
    ReadSwitches(commandLine, options, [&options](const Switch& option) {
        if (option.name == "PLAYLIST")
            options.TakeValue(option, options.playlist);
        else if (option.name == "DIR")
            options.TakeValue(option, options.directory);
        else if (option.name == "CLOSEPLAYER")
            options.TakeFlag(option, options.closePlayer);
        else
            options.Refuse(option.text + ": no such switch");
    });
    if (options.help) return options;
    // At the window the user fills in the window; unattended, the paths must pass the install's
    // own checks.
    const char* problem = nullptr;
    if (!options.Unattended())
        problem = !options.playlist.empty() || !options.directory.empty() || options.closePlayer
                      ? "/PLAYLIST, /DIR and /CLOSEPLAYER go with /SILENT or /VERYSILENT"
                      : nullptr;
    else if (options.playlist.empty())
        problem = "/PLAYLIST is needed with /SILENT and /VERYSILENT";
    else if (options.playlist.size() < kShortestPlaylist)
        problem = "/PLAYLIST: too short to name a default playlist";
    else if (!options.directory.empty() && options.directory.size() < kShortestDirectory)
        problem = "/DIR: too short to name an install directory";
    if (problem) options.Refuse(problem);
    return options;
}

}  // namespace qlr
