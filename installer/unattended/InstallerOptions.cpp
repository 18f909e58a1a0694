#include "installer/unattended/InstallerOptions.h"

#include "installer/engine/InstallSequence.h"

namespace qlr {

const char kInstallerUsage[] =
    "installer.exe [/SILENT | /VERYSILENT] /PLAYLIST=\"file\" [/DIR=\"directory\"] [/CLOSEPLAYER] "
    "[/LOG=\"file\"]\r\n"
    "\r\n"
    "/SILENT: shows the window while it installs; asks nothing.\r\n"
    "/VERYSILENT: shows nothing at all.\r\n"
    "/PLAYLIST: the default playlist (needed with /SILENT and /VERYSILENT).\r\n"
    "/DIR: the install directory (else Winamp's directory followed by \\qlr111).\r\n"
    "/CLOSEPLAYER: closes a running Winamp; without it a running Winamp stops the install.\r\n"
    "/LOG: appends every step to the file.\r\n"
    "\r\n"
    "Exit codes: 0 installed; 1 installed, some steps failed (see the log); 2 command line "
    "refused; 3 Winamp not found; 4 Winamp is running and /CLOSEPLAYER was not given. "
    "With 2, 3 and 4 nothing was changed.";

InstallerOptions ParseInstallerOptions(const std::string& commandLine) {
    InstallerOptions options;
    for (const Switch& option : ReadRunSwitches(commandLine, options)) {
        if (option.name == "PLAYLIST")
            options.TakeValue(option, options.playlist);
        else if (option.name == "DIR")
            options.TakeValue(option, options.directory);
        else if (option.name == "CLOSEPLAYER")
            options.TakeFlag(option, options.closePlayer);
        else
            options.Refuse(option.text + ": no such switch");
    }
    if (!options.Unattended() || options.help) return options;
    if (options.playlist.empty())
        options.Refuse("/PLAYLIST is needed with /SILENT and /VERYSILENT");
    else if (options.playlist.size() < kShortestPlaylist)
        options.Refuse("/PLAYLIST: fewer than " + std::to_string(kShortestPlaylist) + " characters");
    if (!options.directory.empty() && options.directory.size() < kShortestDirectory)
        options.Refuse("/DIR: fewer than " + std::to_string(kShortestDirectory) + " characters");
    return options;
}

}  // namespace qlr
