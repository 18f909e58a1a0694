#include "installer/unattended/InstallerOptions.h"

#include "common/Paths.h"
#include "installer/engine/InstallSequence.h"

namespace qlr {

const char kInstallerUsage[] =
    "installer.exe [/SILENT | /VERYSILENT] /PLAYLIST=\"file\" [/DIR=\"directory\"] [/CLOSEPLAYER] "
    "[/LOG=\"file\"]\r\n\r\n"
    "/SILENT shows the window while it installs, /VERYSILENT nothing. Both need /PLAYLIST, the "
    "default playlist. /DIR: the install directory (else Winamp's, followed by \\qlr111). "
    "/CLOSEPLAYER: a running Winamp is closed (else it stops the install). /LOG: every step is "
    "added to the file.\r\n\r\n"
    "Exit codes: 0 installed; 1 installed, steps failed (see the log); 2 command line refused; "
    "3 Winamp not found; 4 Winamp running. With 2, 3 and 4 nothing changed.";

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
            options.Refuse(Join({option.text, ": no such switch"}));
    });
    if (!options.Unattended() || options.help) return options;
    if (options.playlist.empty())
        options.Refuse("/PLAYLIST is needed with /SILENT and /VERYSILENT");
    else if (options.playlist.size() < kShortestPlaylist)
        options.Refuse(Join({"/PLAYLIST: fewer than ", std::to_string(kShortestPlaylist), " characters"}));
    if (!options.directory.empty() && options.directory.size() < kShortestDirectory)
        options.Refuse(Join({"/DIR: fewer than ", std::to_string(kShortestDirectory), " characters"}));
    return options;
}

}  // namespace qlr
