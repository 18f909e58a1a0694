#pragma once
// The copies an install keeps of the station's files before it replaces them, so that a reinstall
// loses none of its settings: one backup directory per install in the player's directory,
// qlr-backup-YYYYMMDD-HHMMSS after the local time of its first copy ("-2", "-3", ... added when an
// install in the same second took that name), made only when a file is copied into it. Each copy
// keeps the file's own name. The remover deletes named files only and leaves these directories.
#include <string>
#include <utility>

#include "installer/engine/FailedSteps.h"
#include "platform/FileSystem.h"
#include "platform/WindowSystem.h"

namespace qlr {

// The subdirectory of the backup directory that takes the winamp.ini of the player's settings
// directory (the player directory's own winamp.ini goes into the backup directory itself).
inline constexpr const char* kSettingsBackupSubdirectory = "settings";

class BackupDirectory {
public:
    // playerBase: the player's directory, ending in '\'.
    BackupDirectory(FileSystem& files, const Clock& clock, std::string playerBase)
        : files_(files), clock_(clock), playerBase_(std::move(playerBase)) {}

    // Copies the existing file at `path` into the backup directory, or into its subdirectory
    // `subdirectory` when that is not empty, making both as needed. Returns whether the file may
    // now be replaced. When the copy fails the step is recorded as failed ("Keep a copy of <path>
    // before replacing it") and false comes back: the station keeps its file.
    bool KeepCopy(const std::string& path, const std::string& subdirectory, FailedSteps& failed);

private:
    Status MakeDirectory();

    FileSystem& files_;
    const Clock& clock_;
    const std::string playerBase_;
    std::string directory_;  // ending in '\', once made
};

// The backup directory's name for an install at that local time: qlr-backup-20260307-090504.
std::string BackupDirectoryName(const LocalTime& time);

}  // namespace qlr
