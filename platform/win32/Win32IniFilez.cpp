#include "platform/win32/Win32IniFilez.h"

#include <windows.h>

#include <vector>

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
    if (::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()))
        return Status::Ok();
    return Status::Fail(GetLastError());
}

std::string Win32IniFilez::GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                                    const std::string& defaultValue,
                                                    const std::string& file) {
    // A value that fills the buffer to its last character may have been cut: read it again into
    // a buffer twice the size.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                        buffer.data(), DWORD(buffer.size()), file.c_str());
        if (length + 1 < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
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
