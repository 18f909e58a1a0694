#include "installer/ui/DriveChange.h"

namespace qlr {

void DriveChange(forms::DriveList& drives, forms::DirList& directories, WindowSystem& windows) {
    if (directories.SetPath(drives.Drive()).ok()) return;
    // A nested run, raised by the fallback below: the outer run decides what happens next.
    if (drives.EventDepth() > 1) return;

    windows.MsgBox(kDriveUnavailableText, kDriveUnavailableTitle, kMbOk | kMbIconError);
    const std::string before = directories.Path();
    drives.SetDrive("c:");  // a drive change of its own: runs this procedure again, nested
    if (directories.SetPath(drives.Drive()).ok()) return;

    // "c:" cannot be read either: back to the drive the directory list is still on.
    drives.SetDrive(forms::DriveOf(before));
    directories.SetPath(before);
}

}  // namespace qlr
