#include "installer/ui/DirectoryBrowser.h"

#include "installer/ui/DriveChange.h"

namespace qlr {

DirectoryBrowser::DirectoryBrowser(std::string title, int clientWidth, int clientHeight,
                                   WindowSystem& windows, const FileSystem& files, Place drives,
                                   Place directories, Place ok, Place cancel)
    : Picker(std::move(title), clientWidth, clientHeight),
      Drive1("Drive1", drives.id, drives.bounds, files),
      Dir1("Dir1", directories.id, directories.bounds, files),
      Command1("Command1", ok.id, ok.bounds, "&OK"),
      Command2("Command2", cancel.id, cancel.bounds, "&Cancel"),
      windows_(windows) {
    Command1.isDefault = true;
    Command2.isCancel = true;

    Drive1.onChange = [this] { Drive1_Change(); };
    Dir1.onChange = [this] { Dir1_Change(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void DirectoryBrowser::Drive1_Change() { DriveChange(Drive1, Dir1, windows_); }

}  // namespace qlr
