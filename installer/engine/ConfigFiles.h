#pragma once
// The scheduler's five initial configuration files, written into the player's directory.
#include <string>

#include "installer/engine/FailedSteps.h"
#include "platform/FileSystem.h"

namespace qlr {

// Writes hvr.ini, jobs.ini, jng.ini, deflist.fil (one line: the playlist) and setback.ini into
// the directory (which ends in '\'), each replaced whole, every line ending in CR LF. Each
// creation, line and close is a step of its own; a file that cannot be created is skipped.
void WriteConfigFiles(FileSystem& files, const std::string& directory, const std::string& playlist,
                      FailedSteps& failed);

}  // namespace qlr
