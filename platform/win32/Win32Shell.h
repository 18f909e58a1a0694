#pragma once
// The shell's special folders and shortcut files over the Win32 API.
#include <windows.h>

#include "platform/Shell.h"

namespace qlr::win32 {

class Win32Shell : public Shell {
public:
    Status SpecialFolderPath(SpecialFolder folder, std::string& path) override;
    // Writes the shortcut through the shell's own link object (IShellLinkA + IPersistFile).
    Status SaveShortcut(const std::string& linkPath, const Shortcut& shortcut) override;

    // The desktop is then the one all users share: for a process of the system account, whose
    // own desktop nobody sees.
    bool commonDesktop = false;
};

// A failed COM call's result as the error code it carries: a Windows error code when the
// result wraps one, otherwise the result itself.
Status FromHResult(HRESULT hr);

}  // namespace qlr::win32
