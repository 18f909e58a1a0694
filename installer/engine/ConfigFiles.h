#pragma once
// The scheduler's five initial configuration files, written into the player's directory.
#include <string>

#include "installer/engine/BackupDirectory.h"
#include "installer/engine/FailedSteps.h"
#include "platform/FileSystem.h"

namespace qlr {

// Writes hvr.ini, jobs.ini, jng.ini, deflist.fil (one line: the playlist) and setback.ini into
// the directory (which ends in '\'), each replaced whole, every line ending in CR LF. Each
// creation, line and close is a step of its own; a file that cannot be created is skipped. An
// existing file whose bytes differ from the new ones (or cannot be read) is first copied into the
// backup directory; a file that cannot be copied there is not replaced.
void WriteConfigFiles(FileSystem& files, const std::string& directory, const std::string& playlist,
                      BackupDirectory& backup, FailedSteps& failed);

}  // namespace qlr
