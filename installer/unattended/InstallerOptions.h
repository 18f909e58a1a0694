#pragma once
// The installer's command line: the switches of an unattended install, and its usage.
#include <string>

#include "common/CommandLine.h"

namespace qlr {

struct InstallerOptions : RunOptions {
    std::string playlist;   // /PLAYLIST: the default playlist
    std::string directory;  // /DIR: the install directory; empty: the one start-up proposes
    bool closePlayer = false;  // /CLOSEPLAYER: a running player may be closed
};

// Reads the command line. An unattended install needs /PLAYLIST, and both its paths must pass
// the install's own length checks: the command line is refused before anything happens, rather
// than after start-up has closed a running player. At the window, where the user fills in the
// fields and answers the questions, the install's own switches are refused.
InstallerOptions ParseInstallerOptions(const std::string& commandLine);

extern const char kInstallerUsage[];

}  // namespace qlr
