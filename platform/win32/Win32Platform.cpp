#include "platform/win32/Win32Platform.h"

#include <vector>

#include "platform/win32/Handle.h"
#include "platform/win32/SystemDll.h"

namespace qlr::win32 {

namespace {

Status LastError() { return Status::Fail(GetLastError()); }
Status Result(BOOL ok) { return ok ? Status::Ok() : LastError(); }

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

class Win32TextFile : public TextFileWriter {
public:
    explicit Win32TextFile(UniqueHandle file) : file_(std::move(file)) {}

    Status WriteLine(const std::string& line) override {
        if (!file_) return Status::Fail(ERROR_INVALID_HANDLE);
        const std::string bytes = line + "\r\n";
        DWORD written = 0;
        if (!WriteFile(file_.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr))
            return LastError();
        return written == bytes.size() ? Status::Ok() : Status::Fail(ERROR_HANDLE_DISK_FULL);
    }
    Status Close() override {
        if (!file_) return Status::Fail(ERROR_INVALID_HANDLE);
        return Result(CloseHandle(file_.release()));
    }

private:
    UniqueHandle file_;
};

}  // namespace

std::string Win32FileSystem::CurrentDirectory() const {
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::string directory(size, '\0');
    DWORD length = GetCurrentDirectoryA(size, directory.data());
    directory.resize(length < size ? length : 0);
    return directory;
}

Status Win32FileSystem::MakeDirectory(const std::string& path) {
    return Result(CreateDirectoryA(path.c_str(), nullptr));
}

bool Win32FileSystem::IsDirectory(const std::string& path) const {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::IsFile(const std::string& path) const {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Status Win32FileSystem::CopyReplacing(const std::string& from, const std::string& to) {
    return Result(CopyFileA(from.c_str(), to.c_str(), FALSE));
}

Status Win32FileSystem::RemoveFile(const std::string& path) {
    return Result(DeleteFileA(path.c_str()));
}

std::unique_ptr<TextFileWriter> Win32FileSystem::CreateTextFile(const std::string& path,
                                                                Status& status) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        status = LastError();
        return nullptr;
    }
    status = Status::Ok();
    return std::make_unique<Win32TextFile>(std::move(file));
}

std::optional<FileVersion> Win32FileSystem::VersionOf(const std::string& path) const {
    auto infoSize = SystemFunction<DWORD(WINAPI*)(LPCSTR, LPDWORD)>("version.dll", "GetFileVersionInfoSizeA");
    auto info = SystemFunction<BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID)>("version.dll", "GetFileVersionInfoA");
    auto query = SystemFunction<BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT)>("version.dll", "VerQueryValueA");
    if (!infoSize || !info || !query) return std::nullopt;
    DWORD ignored = 0;
    DWORD size = infoSize(path.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<char> data(size);
    if (!info(path.c_str(), 0, size, data.data())) return std::nullopt;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!query(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
        length < sizeof(VS_FIXEDFILEINFO) || fixed->dwSignature != VS_FFI_SIGNATURE)
        return std::nullopt;
    FileVersion version;
    version.part[0] = HIWORD(fixed->dwFileVersionMS);
    version.part[1] = LOWORD(fixed->dwFileVersionMS);
    version.part[2] = HIWORD(fixed->dwFileVersionLS);
    version.part[3] = LOWORD(fixed->dwFileVersionLS);
    return version;
}

RegistryValue Win32Registry::Query(std::uint32_t root, const std::string& subKey,
                                   const std::string& valueName, std::uint32_t capacity) const {
    RegistryValue value;
    HKEY opened = nullptr;
    HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    if (RegOpenKeyExA(rootKey, subKey.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return value;
    UniqueKey key(opened);
    std::string data(capacity, '\0');
    DWORD type = 0;
    DWORD size = capacity;
    LONG status = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                                   capacity ? reinterpret_cast<BYTE*>(data.data()) : nullptr, &size);
    value.type = type;
    value.size = size;
    if (status != ERROR_SUCCESS) return value;
    value.ok = true;
    if (capacity) value.data = data.substr(0, size);
    return value;
}

int Win32WindowSystem::MsgBox(const std::string& text, const std::string& title, unsigned style) {
    HWND owner = main_ && IsWindowVisible(main_) ? main_ : nullptr;
    return MessageBoxA(owner, text.c_str(), title.c_str(), style | (owner ? 0 : MB_SETFOREGROUND));
}

bool Win32WindowSystem::Dispatch(MSG& msg) {
    if (msg.message == WM_QUIT) return false;
    if (!main_ || !IsDialogMessageA(main_, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void Win32WindowSystem::ProcessEvents(std::uint32_t maxWaitMs) {
    MsgWaitForMultipleObjectsEx(0, nullptr, maxWaitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!Dispatch(msg)) {
            // Leave the quit request for the main event loop.
            PostQuitMessage(int(msg.wParam));
            return;
        }
    }
}

void Win32WindowSystem::EndProgram() { ExitProcess(0); }

WindowHandle Win32WindowSystem::FindTopLevelWindow(const std::string& className) {
    return reinterpret_cast<WindowHandle>(FindWindowA(className.c_str(), nullptr));
}

void Win32WindowSystem::SendCloseRequest(WindowHandle window) {
    if (!window) return;
    // Wait while the window handles the request, but never on a hung program, and not for ever:
    // a responsive program handles WM_CLOSE well within this time, and one that stops responding
    // only after the request arrived must not keep the installer hidden for long.
    constexpr UINT kTimeoutMs = 10000;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(reinterpret_cast<HWND>(window), WM_CLOSE, 0, 0,
                        SMTO_NORMAL | SMTO_ABORTIFHUNG, kTimeoutMs, &result);
}

int Win32WindowSystem::RunEventLoop() {
    MSG msg;
    for (;;) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) return 1;
        if (!Dispatch(msg)) return int(msg.wParam);
    }
}

}  // namespace qlr::win32
