#include "win32/Win32FileSystem.h"

#include <vector>

#include "win32/Handle.h"
#include "win32/SystemDll.h"
#include "win32/Win32Status.h"

namespace qlr::win32 {

namespace {

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
        return StatusOf(CloseHandle(file_.release()));
    }

private:
    UniqueHandle file_;
};

// While it lives, a drive without a medium makes the calls of this thread fail with an error
// code instead of asking the user to insert a disk. Windows XP sets that only for the whole
// process; the programs call the file system from one thread, so there it is the same.
class QuietDriveErrors {
public:
    QuietDriveErrors() {
        constexpr UINT kQuiet = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
        if (setThreadMode_)
            setThreadMode_(kQuiet, &old_);
        else
            old_ = SetErrorMode(kQuiet);
    }
    ~QuietDriveErrors() {
        if (setThreadMode_)
            setThreadMode_(old_, nullptr);
        else
            SetErrorMode(old_);
    }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    using SetThreadErrorModeFn = BOOL(WINAPI*)(DWORD, LPDWORD);
    const SetThreadErrorModeFn setThreadMode_ =
        FunctionAfterXp<SetThreadErrorModeFn>("kernel32.dll", "SetThreadErrorMode");
    DWORD old_ = 0;
};

DriveType TypeOf(UINT type) {
    switch (type) {
        case DRIVE_REMOVABLE: return DriveType::Removable;
        case DRIVE_FIXED: return DriveType::Fixed;
        case DRIVE_REMOTE: return DriveType::Remote;
        case DRIVE_CDROM: return DriveType::CdRom;
        case DRIVE_RAMDISK: return DriveType::RamDisk;
        default: return DriveType::Unknown;
    }
}

// Writes a wide name in the ANSI code page; false when the code page lacks one of its characters
// (written as '?' then). The ANSI functions would give the nearest look-alike instead ("l" for
// "\u0142") or '?', a name that opens another file or none, so every character must fit exactly.
// UTF-8 writes every character, and takes neither the flag nor the report of a lacking one.
bool WriteAnsi(const wchar_t* wide, bool utf8, std::string& text) {
    char buffer[4 * MAX_PATH];  // a name of MAX_PATH characters at up to four bytes each
    BOOL lacking = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS,
                                           wide, -1, buffer, sizeof buffer, nullptr, utf8 ? nullptr : &lacking);
    text.assign(buffer, length > 0 ? std::size_t(length) - 1 : 0);
    return length > 0 && !lacking;
}

// A directory's path in its wide form, which names every entry as it is, followed by a '\', after
// which a name of its entries is put.
struct WidePath {
    wchar_t text[2 * MAX_PATH + 2];
    int length = 0;  // the directory and its '\'

    const wchar_t* With(const wchar_t* name) {
        lstrcpynW(text + length, name, MAX_PATH + 1);
        return text;
    }
};

// The short (8.3) name the file system keeps for the entry of the directory, as the code page
// writes it; "" when the code page cannot write it either, or the entry has none (its own name
// comes back then).
std::string ShortName(WidePath& directory, const wchar_t* name, bool utf8) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetShortPathNameW(directory.With(name), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    const wchar_t* last = path + length;  // the last name of the path: the entry's
    while (last > path && last[-1] != L'\\') --last;
    std::string text;
    return WriteAnsi(last, utf8, text) ? text : std::string();
}

// Opens a listing of the directory, in the wide form; `path` receives the directory's. Where the
// system has them (Windows 7 on), the basic entry data without short names and larger transfers
// make long listings much faster; older systems refuse them with ERROR_INVALID_PARAMETER, and the
// listing is opened without them.
UniqueFind OpenListing(const std::string& directory, WidePath& path, WIN32_FIND_DATAW& entry) {
    path.length = directory.empty() ? 0 : MultiByteToWideChar(CP_ACP, 0, directory.data(), int(directory.size()),
                                                              path.text, MAX_PATH);
    if (path.length == 0 && !directory.empty()) return UniqueFind();  // longer than a path can be
    if (path.length == 0 || path.text[path.length - 1] != L'\\') path.text[path.length++] = L'\\';
    // One call for both ways (smaller): the newer way first, unless the run acts as on XP.
    for (bool newer = !AsWindowsXp();; newer = false) {
        UniqueFind find(FindFirstFileExW(path.With(L"*"), newer ? FindExInfoBasic : FindExInfoStandard, &entry,
                                         FindExSearchNameMatch, nullptr, newer ? FIND_FIRST_EX_LARGE_FETCH : 0));
        if (find || !newer || GetLastError() != ERROR_INVALID_PARAMETER) return find;
    }
}

// A directory can be read when its listing opens; a root without any entry counts as read. Asked
// through the ANSI functions, in which the directory is named: measured under Wine, asking through
// the wide ones here made the directory picker miss an Enter pressed as soon as it had opened.
Status Readable(const std::string& directory) {
    char pattern[MAX_PATH + 2];
    const std::size_t length = directory.copy(pattern, MAX_PATH);
    if (length == MAX_PATH) return Status::Fail(ERROR_FILENAME_EXCED_RANGE);
    std::size_t end = length;
    if (end == 0 || pattern[end - 1] != '\\') pattern[end++] = '\\';
    pattern[end++] = '*';
    pattern[end] = '\0';
    WIN32_FIND_DATAA entry;
    UniqueFind find(FindFirstFileA(pattern, &entry));
    if (find || GetLastError() == ERROR_FILE_NOT_FOUND) return Status::Ok();
    return LastError();
}

// The removal's operations, for both classes.
std::string CurrentDirectoryText() {
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::string directory(size, '\0');
    DWORD length = GetCurrentDirectoryA(size, directory.data());
    directory.resize(length < size ? length : 0);
    return directory;
}

bool IsFileAt(const std::string& path) {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Status DeleteFileAt(const std::string& path) { return StatusOf(DeleteFileA(path.c_str())); }

}  // namespace

std::string Win32FileRemoval::CurrentDirectory() const { return CurrentDirectoryText(); }
bool Win32FileRemoval::IsFile(const std::string& path) const { return IsFileAt(path); }
Status Win32FileRemoval::RemoveFile(const std::string& path) { return DeleteFileAt(path); }

std::string Win32FileSystem::CurrentDirectory() const { return CurrentDirectoryText(); }

Status Win32FileSystem::MakeDirectory(const std::string& path) {
    return StatusOf(CreateDirectoryA(path.c_str(), nullptr));
}

bool Win32FileSystem::IsDirectory(const std::string& path) const {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::IsFile(const std::string& path) const { return IsFileAt(path); }

Status Win32FileSystem::CopyReplacing(const std::string& from, const std::string& to) {
    return StatusOf(CopyFileA(from.c_str(), to.c_str(), FALSE));
}

Result<std::string> Win32FileSystem::ReadBytes(const std::string& path) const {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {LastError(), {}};
    const DWORD size = GetFileSize(file.get(), nullptr);
    if (size == INVALID_FILE_SIZE) return {LastError(), {}};
    Result<std::string> bytes;
    bytes.value.resize(size);
    DWORD read = 0;
    if (size != 0 && !ReadFile(file.get(), &bytes.value[0], size, &read, nullptr)) return {LastError(), {}};
    if (read != size) return {Status::Fail(ERROR_HANDLE_EOF), {}};  // the file shrank meanwhile
    return bytes;
}

Status Win32FileSystem::RemoveFile(const std::string& path) { return DeleteFileAt(path); }

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

std::vector<DriveInfo> Win32FileSystem::Drives() const {
    QuietDriveErrors quiet;
    std::vector<DriveInfo> drives;
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(present & (1u << i))) continue;
        DriveInfo drive;
        drive.letter = char('A' + i);
        const std::string root = std::string(1, drive.letter) + ":\\";
        drive.type = TypeOf(GetDriveTypeA(root.c_str()));
        char label[MAX_PATH + 1] = "";
        if (GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr,
                                  nullptr, 0))
            drive.label = label;
        drive.readable = Readable(root).ok();
        drives.push_back(std::move(drive));
    }
    return drives;
}

Result<std::string> Win32FileSystem::DriveCurrentDirectory(char letter) const {
    QuietDriveErrors quiet;
    // "C:" alone names the directory the process keeps as current on drive C.
    const char drive[] = {letter, ':', '\0'};
    char path[MAX_PATH];
    const DWORD length = GetFullPathNameA(drive, MAX_PATH, path, nullptr);
    if (length == 0) return {LastError(), {}};
    if (length >= MAX_PATH) return {Status::Fail(ERROR_FILENAME_EXCED_RANGE), {}};
    std::string directory(path, length);
    // For the process's current drive, Wine gives the current directory with a trailing '\'.
    if (directory.size() > 3 && directory.back() == '\\') directory.pop_back();
    Result<std::string> result{Readable(directory), directory};
    if (!result.ok()) result.value.clear();
    return result;
}

Result<std::vector<DirectoryEntry>> Win32FileSystem::ListDirectory(const std::string& directory) const {
    QuietDriveErrors quiet;
    Result<std::vector<DirectoryEntry>> result;
    // Taken before the listing, so that a change while it is read makes it out of date.
    const std::optional<FILETIME> written = ListingCache::WrittenAt(directory);
    if (written)
        if (std::optional<ListingCache::Listing> kept = listings_.Find(directory, *written)) {
            result.value = std::move(*kept);
            return result;
        }
    // Listed in the wide form, so that an entry whose name the code page cannot write is known as
    // such and can be given its short name.
    WidePath path;
    WIN32_FIND_DATAW entry;
    UniqueFind find = OpenListing(directory, path, entry);
    if (!find) {
        // A root without any entry has not even "." and "..": it is empty, not unreadable.
        if (GetLastError() != ERROR_FILE_NOT_FOUND) result.status = LastError();
        return result;
    }
    const bool utf8 = GetACP() == CP_UTF8;
    do {
        const wchar_t* name = entry.cFileName;
        if (name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'))) continue;
        DirectoryEntry listed;
        listed.attributes = entry.dwFileAttributes;
        listed.nameFits = WriteAnsi(name, utf8, listed.name);
        if (!listed.nameFits) listed.shortName = ShortName(path, name, utf8);
        result.value.push_back(std::move(listed));
    } while (FindNextFileW(find.get(), &entry));
    if (GetLastError() != ERROR_NO_MORE_FILES) {
        result.status = LastError();
        result.value.clear();
    } else if (written) {
        listings_.Keep(directory, *written, result.value);
    }
    return result;
}

}  // namespace qlr::win32
