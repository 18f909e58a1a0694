#pragma once
// The user's shell: its special folders, its environment and its shortcut (.lnk) files.
#include <cstdint>
#include <string>

#include "platform/Status.h"
#include "platform/WindowsValues.h"

namespace qlr {

enum class SpecialFolder { Desktop, Programs, StartMenu, StartUp };

// What a shortcut holds, in the shell's own terms.
struct Shortcut {
    std::string target;             // the program the shortcut starts
    std::string description;
    std::uint16_t hotKey = 0;       // low byte: virtual key; high byte: kHotkeyf... modifiers
    std::string iconPath;
    int iconIndex = 0;
    std::string workingDirectory;
    int showCommand = kSwShowNormal;  // SW_... value: 1 normal, 3 maximized, 7 minimized
};

class Shell {
public:
    // The folder's path, without a trailing backslash.
    virtual Status SpecialFolderPath(SpecialFolder folder, std::string& path) = 0;
    // The same for a special folder named by its CSIDL number, the shell's own numbering (26: the
    // user's Application Data folder), as other programs record it. Fails for a number the shell
    // does not know or a folder the user does not have.
    virtual Status CsidlFolderPath(int csidl, std::string& path) = 0;
    // The value of the user's environment variable of that name (any letter case); fails with
    // 203 (ERROR_ENVVAR_NOT_FOUND) when it is not set. Programs name the user's folders with these
    // as they do with special folders.
    virtual Status EnvironmentVariable(const std::string& name, std::string& value) = 0;
    // Creates or replaces the shortcut file at linkPath.
    virtual Status SaveShortcut(const std::string& linkPath, const Shortcut& shortcut) = 0;

protected:
    ~Shell() = default;  // never deleted through this interface
};

}  // namespace qlr
