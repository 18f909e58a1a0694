#pragma once
// The shell's special folders, environment and shortcut files over the Win32 API.
#include <windows.h>

#include "platform/Shell.h"

namespace qlr::win32 {

class Win32Shell : public Shell {
public:
    Status SpecialFolderPath(SpecialFolder folder, std::string& path) override;
    Status CsidlFolderPath(int csidl, std::string& path) override;
    Status EnvironmentVariable(const std::string& name, std::string& value) override;
    // Writes the shortcut through the shell's own link object (IShellLinkA + IPersistFile).
    Status SaveShortcut(const std::string& linkPath, const Shortcut& shortcut) override;

    // The desktop is then the one all users share: for a process of the system account, whose
    // own desktop nobody sees.
    bool commonDesktop = false;
};

}  // namespace qlr::win32
