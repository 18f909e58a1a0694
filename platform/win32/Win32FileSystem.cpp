#include "platform/win32/Win32FileSystem.h"

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

}  // namespace qlr::win32
