#pragma once
// The installer's profile and directory bindings over kernel32.
#include "platform/IniFilez.h"

namespace qlr::win32 {

class Win32IniFilez : public IniFilez {
public:
    Status WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& file) override;
    std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                         const std::string& defaultValue,
                                         const std::string& file) override;
    // In a 64-bit program this is the 32-bit System directory (SysWOW64): the libraries the kit
    // installs there are 32-bit ones, for the 32-bit player and scheduler.
    void GetSystemDirectoryA(std::string& buffer) override;
    void GetWindowsDirectoryA(std::string& buffer) override;
};

}  // namespace qlr::win32
