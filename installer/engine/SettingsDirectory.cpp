#include "installer/engine/SettingsDirectory.h"

#include <cctype>

#include "common/LetterCase.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "installer/engine/FailedSteps.h"

namespace qlr {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trimmed(const std::string& text) {
    std::size_t first = 0, end = text.size();
    while (first < end && IsBlank(text[first])) ++first;
    while (end > first && IsBlank(text[end - 1])) --end;
    return text.substr(first, end - first);
}

bool SameName(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (UpperCase(a[i]) != b[i]) return false;
    return i == a.size() && !b[i];
}

bool IsDriveSpecifier(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

// The root of the drive a directory is on, as the player names it: "C:" for "C:\Program Files",
// "\\server\share" for a directory on a network share; "" for anything else.
std::string DriveRoot(const std::string& directory) {
    if (IsDriveSpecifier(directory)) return directory.substr(0, 2);
    if (directory.rfind("\\\\", 0) != 0) return {};
    const std::size_t share = directory.find('\\', 2);
    if (share == std::string::npos) return {};
    return directory.substr(0, directory.find('\\', share + 1));
}

Result<std::string> Variable(const std::string& name, const std::string& playerDirectory, Shell& shell) {
    Result<std::string> value;
    if (SameName(name, "WINAMP_PROGRAM_DIR")) {
        value.value = playerDirectory;
    } else if (SameName(name, "WINAMP_ROOT_DIR")) {
        value.value = DriveRoot(playerDirectory);
        if (value.value.empty()) value.status = Status::Fail(kErrorInvalidParameter);
    } else {
        value.status = shell.EnvironmentVariable(name, value.value);
    }
    return value;
}

// The text with every %NAME% replaced by the variable's value.
Result<std::string> Expanded(const std::string& text, const std::string& playerDirectory, Shell& shell) {
    Result<std::string> expanded;
    std::size_t at = 0;
    for (std::size_t open; (open = text.find('%', at)) != std::string::npos;) {
        const std::size_t close = text.find('%', open + 1);
        if (close == std::string::npos) break;
        const Result<std::string> value = Variable(text.substr(open + 1, close - open - 1), playerDirectory, shell);
        if (!value.ok()) return {value.status, {}};
        expanded.value += text.substr(at, open - at) + value.value;
        at = close + 1;
    }
    expanded.value += text.substr(at);
    return expanded;
}

// A "{N}" prefix as the special folder's path, and the rest of the value after it.
Result<std::string> CsidlFolder(const std::string& value, std::string& rest, Shell& shell) {
    const std::size_t close = value.find('}');
    const std::string number = value.substr(1, close == std::string::npos ? 0 : close - 1);
    // At most nine digits, no sign: a number an int holds.
    const std::optional<int> csidl =
        number.size() <= 9 && number.find_first_not_of("0123456789") == std::string::npos
            ? DecimalNumber<int>(number)
            : std::nullopt;
    if (!csidl) return {Status::Fail(kErrorInvalidParameter), {}};
    rest = value.substr(close + 1);
    Result<std::string> folder;
    folder.status = shell.CsidlFolderPath(*csidl, folder.value);
    return folder;
}

// Joins a path below a directory: one '\' between them, none after the directory when the path
// is empty.
std::string Below(const std::string& directory, const std::string& path) {
    const std::size_t start = path.find_first_not_of('\\');
    if (start == std::string::npos) return directory;
    return WithTrailingBackslash(directory) + path.substr(start);
}

}  // namespace

Status MakeSettingsDirectory(FileSystem& files, const std::string& directory) {
    if (files.IsDirectory(directory)) return Status::Ok();
    const std::size_t slash = directory.find_last_of('\\');
    if (slash != std::string::npos && slash > 0) {
        std::string parent = directory.substr(0, slash);
        if (parent.size() == 2 && IsDriveSpecifier(parent)) parent += '\\';  // the drive's root
        const Status parentMade = parent.size() < directory.size() ? MakeSettingsDirectory(files, parent)
                                                                   : Status::Ok();  // a missing root
        if (!parentMade.ok()) return parentMade;
    }
    const Status made = files.MakeDirectory(directory);
    return made.ok() || files.IsDirectory(directory) ? Status::Ok() : made;
}

Result<std::string> ResolveSettingsDirectory(const std::string& inidir,
                                             const std::string& playerDirectory, Shell& shell) {
    const std::string value = Trimmed(inidir);
    if (value.empty()) return {Status::Fail(kErrorInvalidParameter), {}};

    const bool inSpecialFolder = value[0] == '{';
    std::string path = value;
    Result<std::string> folder;
    if (inSpecialFolder) {
        folder = CsidlFolder(value, path, shell);
        if (!folder.ok()) return folder;
    }
    const Result<std::string> expanded = Expanded(path, playerDirectory, shell);
    if (!expanded.ok()) return expanded;
    path = expanded.value;

    std::string directory;
    if (inSpecialFolder) directory = Below(folder.value, path);
    else if (path.empty()) return {Status::Fail(kErrorInvalidParameter), {}};  // variables of no text
    else if (IsDriveSpecifier(path) || path.rfind("\\\\", 0) == 0) directory = path;
    else if (path[0] == '\\') directory = Below(DriveRoot(playerDirectory), path);
    else directory = Below(playerDirectory, path);

    while (directory.size() > 1 && directory.back() == '\\') directory.pop_back();
    // Nothing but backslashes (a network path without its server) names no directory; taken as it
    // is, "\\" would put the settings into the root of the current drive.
    if (directory.find_first_not_of('\\') == std::string::npos)
        return {Status::Fail(kErrorInvalidParameter), {}};
    if (directory.size() == 2 && IsDriveSpecifier(directory)) directory += '\\';
    return {Status::Ok(), directory};
}

}  // namespace qlr
