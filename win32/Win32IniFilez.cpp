#include "win32/Win32IniFilez.h"

#include <windows.h>

#include "win32/Win32Status.h"

namespace qlr::win32 {

namespace {

// The buffer's text up to its NUL, for a call that writes one.
void PutDirectory(std::string& buffer, const char* directory) {
    std::string text = std::string(directory) + '\0';
    if (text.size() <= buffer.size()) buffer.replace(0, text.size(), text);
}

}  // namespace

Status Win32IniFilez::WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                                 const std::string& value, const std::string& file) {
    return StatusOf(::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()));
}

std::string Win32IniFilez::GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                                    const std::string& defaultValue,
                                                    const std::string& file) {
    char value[32767];  // a longer value comes back cut: no path is that long
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                    value, sizeof value, file.c_str());
    return std::string(value, length);
}

void Win32IniFilez::GetSystemDirectoryA(std::string& buffer) {
    char directory[MAX_PATH + 1];
    UINT length = 0;
#ifdef _WIN64
    length = ::GetSystemWow64DirectoryA(directory, sizeof directory);
#endif
    // A 32-bit program, or a 64-bit system without a 32-bit subsystem.
    if (length == 0) length = ::GetSystemDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory) return;
    PutDirectory(buffer, directory);
}

void Win32IniFilez::GetWindowsDirectoryA(std::string& buffer) {
    char directory[MAX_PATH + 1];
    UINT length = ::GetWindowsDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory) return;
    PutDirectory(buffer, directory);
}

}  // namespace qlr::win32
