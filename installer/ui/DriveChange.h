#pragma once
// What both pickers do when their drive chooser changes: move the directory list onto the drive,
// and fall back to drive "c:" after telling the user when the drive cannot be read.
#include "forms/DirList.h"
#include "forms/DriveList.h"
#include "platform/WindowSystem.h"

namespace qlr {

inline constexpr const char* kDriveUnavailableText =
    "Drive Unavailable ! If This Is A Removable Drive Please Insert A Disk !";
inline constexpr const char* kDriveUnavailableTitle = "Drive Unavailable";

// The drive chooser's change procedure. When "c:" cannot be read either, the lists go back to the
// drive and directory they showed before: one box, and no endless run of fallbacks.
void DriveChange(forms::DriveList& drives, forms::DirList& directories, WindowSystem& windows);

}  // namespace qlr
