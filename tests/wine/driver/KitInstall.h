#pragma once
// An install the way a user makes one, for end-to-end tests and tools: a kit directory holding a
// stand-in of every kit file, installer.exe started from it and driven through its main window to
// the Done state, and what an install writes read back: bytes, profile files, the shortcut.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "driver/Driver.h"
#include "driver/Fixtures.h"

namespace qlr::wine_driver {

// The files a kit directory holds beside installer.exe.
inline const char* const kKitFiles[] = {"_setup.qlr",   "_isdel.qlr",   "comdlg32.dll",
                                        "comdlg32.ocx", "comdlg32.dep", "comdlg32.oca",
                                        "msvbvm60.dll", "out_ds_ssrc.dl_", "in_line.dl_"};

// A kit file's stand-in contents, its own for each file: the name, then every byte value, so that
// a copy that is not byte for byte (text mode, truncation at a NUL) shows.
std::string StandIn(const std::string& name);
// Makes the directory `name` below `root` with the stand-in of every kit file, and returns its path.
std::string MakeKit(const TempDirectory& root, const std::string& name);

// A file's bytes; "<missing>" when it cannot be opened.
std::string ReadBytes(const std::string& path);
// Replaces a file's bytes; fails when they cannot be written.
void WriteBytes(const std::string& path, const std::string& bytes);

// The System directory a program of this prefix writes to: syswow64 for 64-bit and, redirected,
// for 32-bit programs (GetSystemWow64DirectoryA, else GetSystemDirectoryA).
std::string SystemDirectory();
std::string DesktopDirectory();
// The user's Application Data folder (CSIDL 26).
std::string AppDataDirectory();
// ASCII letters in lower case: how file names and profile names compare.
std::string Lower(std::string text);

// A profile file as (section, key) -> value, with the keys of each section in file order.
struct Profile {
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::map<std::string, std::vector<std::string>> keys;  // by section in lower case
    std::vector<std::string> sections;

    // The value, found without regard to letter case; "<missing>" when there is none.
    std::string Value(const std::string& section, const std::string& key) const;
};
Profile ParseProfile(const std::string& path);

// A shortcut as IShellLinkA reads it back.
struct LinkFacts {
    HRESULT loaded = E_FAIL;
    std::string target, arguments, iconPath, workingDirectory, description;
    int iconIndex = -1, showCommand = -1;
    WORD hotKey = 0;
};
LinkFacts LoadShortcut(const std::string& path);

// In the installer's main window: names the playlist (and the install directory when given),
// clicks "&Install QLR" and waits for the Done state ("E&xit"). The report box, when one comes,
// is read, closed and returned. The installer is left running.
std::optional<MessageBoxContent> RunInstall(const Process& installer, HWND window,
                                            const std::string& playlist,
                                            const std::string& installDir = "");

}  // namespace qlr::wine_driver
