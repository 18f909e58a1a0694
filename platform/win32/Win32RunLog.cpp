#include "platform/win32/Win32RunLog.h"

#include "platform/win32/Handle.h"

namespace qlr::win32 {

LocalTime Win32LogOutput::Now() const {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::string Win32LogOutput::ErrorMessage(std::uint32_t code) const {
    char buffer[512];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, sizeof buffer, nullptr);
    std::string message(buffer, length);
    // The system ends its messages with a line break.
    while (!message.empty() && static_cast<unsigned char>(message.back()) <= ' ') message.pop_back();
    return message;
}

Status Win32LogOutput::Append(const std::string& path, const std::string& text) {
    // Other runs may append to the same file at the same time (a log on a share).
    UniqueHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Status::Fail(GetLastError());
    DWORD written = 0;
    if (!WriteFile(file.get(), text.data(), DWORD(text.size()), &written, nullptr))
        return Status::Fail(GetLastError());
    return Status::Ok();
}

void BeginRunLog(RunLog& log, const char* version) {
    char path[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    path[length] = '\0';
    const char* name = path;
    for (const char* at = path; *at; ++at)
        if (*at == '\\') name = at + 1;
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = "";
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    char user[257] = "";  // UNLEN + 1
    size = sizeof user;
    GetUserNameA(user, &size);
    log.Begin({name, version, GetCommandLineA(), computer, user});
}

bool RunsAsLocalSystem() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    UniqueHandle owner(token);
    // The user and its SID, which holds at most 15 parts.
    union {
        TOKEN_USER user;
        char bytes[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
    } buffer;
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenUser, &buffer, sizeof buffer, &size)) return false;
    return IsWellKnownSid(buffer.user.User.Sid, WinLocalSystemSid);
}

}  // namespace qlr::win32
