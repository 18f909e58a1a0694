#include "win32/Win32RunLog.h"

#include <cstring>

#include "win32/Handle.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Status.h"

namespace qlr::win32 {

LocalTime Win32LogOutput::Now() const { return LocalTimeNow(); }

std::string Win32LogOutput::ErrorMessage(std::uint32_t code) const {
    char buffer[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  code, 0, buffer, sizeof buffer, nullptr);
    // The system ends its messages with a line break.
    while (length > 0 && static_cast<unsigned char>(buffer[length - 1]) <= ' ') --length;
    return std::string(buffer, length);
}

Status Win32LogOutput::Append(const std::string& path, const std::string& text) {
    // Other runs may append to the same file at the same time (a log on a share).
    UniqueHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastError();
    DWORD written = 0;
    return StatusOf(WriteFile(file.get(), text.data(), DWORD(text.size()), &written, nullptr));
}

void BeginRunLog(RunLog& log, const char* version) {
    char path[MAX_PATH + 1];
    path[GetModuleFileNameA(nullptr, path, MAX_PATH)] = '\0';
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = "";
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    char user[257] = "";  // UNLEN + 1
    size = sizeof user;
    GetUserNameA(user, &size);
    log.Begin({path, version, GetCommandLineA(), computer, user});
}

bool RunsAsLocalSystem() {
    UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
    // The user and its SID, which holds at most 15 parts.
    union {
        TOKEN_USER user;
        char bytes[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
    } buffer;
    DWORD size = 0;
    if (!GetTokenInformation(token.get(), TokenUser, &buffer, sizeof buffer, &size)) return false;
    // S-1-5-18: revision 1, one part, the NT authority (5), part 18.
    static const BYTE kLocalSystem[] = {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0};
    return std::memcmp(buffer.user.User.Sid, kLocalSystem, sizeof kLocalSystem) == 0;
}

}  // namespace qlr::win32
