#pragma once
// A machine as the pickers meet it: a system drive with the player installed, a CD drive without
// a disc, a data drive; directories and files in mixed letter case, some hidden or system.
#include "fakes/FakeFileSystem.h"

namespace qlr::test {

inline void AddPlayerMachine(FakeFileSystem& files) {
    files.drives.clear();
    files.AddDrive('C', DriveType::Fixed, "SYSTEM", true);
    files.AddDrive('D', DriveType::CdRom, "", false);
    files.AddDrive('E', DriveType::Fixed, "DATA", true);
    files.currentDirectory = "E:\\KIT";
    files.AddDirectory("E:\\KIT");
    files.AddDirectory("E:\\Lists");
    files.AddFile("E:\\Lists\\Morning.m3u", "");
    files.AddFile("E:\\top.pls", "");
    files.AddDirectory("C:\\Program Files");
    files.AddDirectory("C:\\System Volume Information", kFileAttributeHidden | kFileAttributeSystem);
    files.AddDirectory("C:\\Program Files\\Winamp");
    for (const char* dir : {"Skins", "plugins", "Temp", "dir.m3u"})
        files.AddDirectory(std::string("C:\\Program Files\\Winamp\\") + dir);
    files.AddDirectory("C:\\Program Files\\Winamp\\Cache", kFileAttributeHidden);
    for (const char* name : {"winamp.exe", "Rock.M3U", "jazz.pls", "notes.txt", "ambient.m3u",
                             "Blues.PLS", "list.m3u8", "README"})
        files.AddFile(std::string("C:\\Program Files\\Winamp\\") + name, name);
    files.AddFile("C:\\Program Files\\Winamp\\old.m3u", "", true);  // read-only is still ordinary
    files.AddFile("C:\\Program Files\\Winamp\\secret.m3u", "", false, kFileAttributeHidden);
    files.AddFile("C:\\Program Files\\Winamp\\boot.pls", "", false, kFileAttributeSystem);
    files.AddFile("C:\\a.m3u", "");
    files.AddFile("C:\\ab.m3u", "");
}

inline FakeFileSystem PlayerMachine() {
    FakeFileSystem files;
    AddPlayerMachine(files);
    return files;
}

}  // namespace qlr::test
