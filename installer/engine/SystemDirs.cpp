#include "installer/engine/SystemDirs.h"

#include "platform/WindowsValues.h"

namespace qlr {

namespace {

constexpr std::size_t kBufferLength = 255;

Status TextUpToNul(const std::string& buffer, std::string& directory) {
    std::size_t nul = buffer.find('\0');
    if (nul == std::string::npos) return Status::Fail(kErrorInvalidParameter);
    directory = buffer.substr(0, nul);
    return Status::Ok();
}

}  // namespace

Status GetSystemDir(IniFilez& ini, std::string& directory) {
    std::string buffer(kBufferLength, ' ');
    ini.GetSystemDirectoryA(buffer);
    return TextUpToNul(buffer, directory);
}

Status GetWindowsDir(IniFilez& ini, std::string& directory) {
    std::string buffer(kBufferLength, ' ');
    ini.GetWindowsDirectoryA(buffer);
    return TextUpToNul(buffer, directory);
}

}  // namespace qlr
