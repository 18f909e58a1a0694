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

// The special folders a shortcut can be created in: CreateLink's `dest` codes.
enum : std::int32_t {
    kLinkOnDesktop = 0,
    kLinkInProgramsMenu = 1,
    kLinkInStartMenu = 2,
    kLinkInStartUp = 3,
};
// CreateLink's sub-folder for a shortcut placed in the special folder itself.
inline constexpr const char* kNoSubFolder = "";
// CreateLink's window style for a program that starts in a normal window (SW_SHOWNORMAL).
inline constexpr std::int16_t kShowNormal = kSwShowNormal;

// The folder a `dest` code names.
std::optional<SpecialFolder> SpecialFolderOf(std::int32_t dest);

struct ShellServices {
    Shell& shell;
    FileSystem& files;
};

// Creates (or replaces) the shortcut sName.lnk in the special folder `dest` (kLinkOnDesktop, ...),
// inside its sub-folder sSubFolder unless that is kNoSubFolder (""). The sub-folder is made first,
// and a failure to make it (it exists already) is ignored: a missing folder shows when the
// shortcut is saved. sName is also the shortcut's description. When the
// folder is known, linkPath receives the path of the shortcut file.
Status CreateLink(ShellServices services, std::int32_t dest, const std::string& sName,
                  const std::string& sPath, const std::string& HotKey, const std::string& sIcon,
                  const std::string& sWorkingDirectory, const std::string& sSubFolder,
                  std::int16_t iWinStyle, std::string* linkPath = nullptr);

}  // namespace qlr
