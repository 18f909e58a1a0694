#pragma once
// The drive chooser: a drop-down list of the machine's drives, one of them current.
#include <string>
#include <vector>

#include "forms/ListControl.h"
#include "platform/FileSystem.h"

namespace qlr::forms {

class DriveList : public ListControl {
public:
    // Lists the machine's drives as they are now; the current one is the drive of the process's
    // current directory (the first drive when that names none).
    DriveList(std::string name, int id, Rect rect, const FileSystem& files);

    // The current drive as its letter and a colon, lower case: "c:".
    std::string Drive() const;
    // The drives, in the order of Items().
    const std::vector<DriveInfo>& Drives() const { return drives_; }

    // Makes the drive current: "c:", "C:", "c:\..." all name drive C. Raises onChange when the
    // current drive changes; false (and nothing changes) when the machine has no such drive.
    bool SetDrive(const std::string& drive);
    // The user chose the entry at index in the window, which shows it already.
    void ChooseByUser(int index);

private:
    bool MakeCurrent(int index, bool fromCode);

    std::vector<DriveInfo> drives_;
};

}  // namespace qlr::forms
