#pragma once
// The directory list: the chain of directories from the drive's root down to the current
// directory, then the current directory's subdirectories, alphabetically; hidden and system
// directories are listed like any other, since they can be entered like any other. Each is listed
// by the name it is entered by (a short name where the code page cannot write its own). Activating
// an entry (a double-click) makes it current; highlighting one changes nothing.
#include <string>

#include "forms/ListControl.h"
#include "platform/FileSystem.h"
#include "platform/Status.h"

namespace qlr::forms {

class DirList : public ListControl {
public:
    // Starts at the process's current directory.
    DirList(std::string name, int id, Rect rect, const FileSystem& files);

    // The current directory: a full path, drive included, ending in '\' only at a drive's root
    // ("C:\", "C:\Program Files\Winamp").
    const std::string& Path() const { return path_; }

    // Makes a directory current: a full path ("c:\", "C:\Program Files\Winamp", a trailing '\'
    // allowed), or a drive as the drive chooser reports it ("c:"), which stands for that drive's
    // current directory. Raises onChange when the current directory changes. Fails, changing
    // nothing, when the path names no directory that can be read.
    Status SetPath(const std::string& path);

    // The user highlighted the entry at index: nothing changes but the highlight.
    void HighlightByUser(int index);
    // The user activated the entry at index (double-click, or the activation key): it becomes
    // current. An entry that can no longer be entered (deleted meanwhile, access denied) leaves
    // the current directory as it is, and the list is read again.
    void ActivateByUser(int index);

    // The full path of the directory the entry at index stands for.
    std::string EntryPath(int index) const;

private:
    // Reads the directory and shows its chain and subdirectories; fails when it cannot be read.
    Status Load(const std::string& path);

    const FileSystem& files_;
    std::string path_;
};

// The drive a full path is on, as the drive chooser names it ("c:"), or "" when it names none.
std::string DriveOf(const std::string& path);

}  // namespace qlr::forms
