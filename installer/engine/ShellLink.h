#pragma once
// Shortcut creation in one of the shell's special folders, with the shell's text notations for
// hot keys ("CTRL+SHIFT+W") and icon locations ("C:\Prog\app.exe,0").
#include <cstdint>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/WindowsValues.h"

namespace qlr {

// The hot key word for a combination such as "CTRL+SHIFT+W": modifiers ALT, CTRL, SHIFT and EXT
// (any order, any letter case) joined by '+' before one key: a letter, a digit, F1 to F24, or a
// named key (Home, End, PageUp, Space, ...): the key's virtual-key code in the low byte, the
// modifiers' kHotkeyf... bits in the high byte. "" is no hot key (0). Anything else: no value.
std::optional<std::uint16_t> ParseHotKey(const std::string& text);

struct IconLocation {
    std::string path;
    int index = 0;
};

// "path,index": the index is the number after the last comma. Without such a number the whole
// text is the path and the index is 0.
IconLocation ParseIconLocation(const std::string& text);

// The special folders a shortcut can be created in: the `dest` codes of a LinkRequest.
enum : std::int32_t {
    kLinkOnDesktop = 0,
    kLinkInProgramsMenu = 1,
    kLinkInStartMenu = 2,
    kLinkInStartUp = 3,
};

// The folder a `dest` code names.
std::optional<SpecialFolder> SpecialFolderOf(std::int32_t dest);

struct ShellServices {
    Shell& shell;
    FileSystem& files;
};

// A shortcut to create, in the shell's text notations.
struct LinkRequest {
    std::int32_t dest = kLinkOnDesktop;  // the special folder (kLinkOnDesktop, ...)
    std::string name;                    // the file name without ".lnk", and the description
    std::string target;                  // the program it starts
    std::string hotKey;                  // "CTRL+SHIFT+W" (ParseHotKey); "" for none
    std::string icon;                    // "path,index" (ParseIconLocation)
    std::string workingDirectory;
    std::string subFolder;               // inside the special folder; "" for none
    std::int16_t windowStyle = kSwShowNormal;  // how the program's window opens
};

// Creates (or replaces) the shortcut name.lnk in the special folder `dest`, inside its sub-folder
// unless that is "". The sub-folder is made first, and a failure to make it (it
// exists already) is ignored: a missing folder shows when the shortcut is saved. When the folder
// is known, linkPath receives the path of the shortcut file.
Status CreateLink(ShellServices services, const LinkRequest& link, std::string* linkPath = nullptr);

}  // namespace qlr
