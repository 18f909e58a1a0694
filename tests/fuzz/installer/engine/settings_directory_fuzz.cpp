// The settings directory named by paths.ini's inidir: the input's first line is the value, the
// rest the player's directory it is resolved in (the player's usual one when there is no rest).
// The shell knows a few special folders and variables, as a user's would.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeShell.h"
#include "installer/engine/SettingsDirectory.h"

namespace qlr::fuzz {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDriveRoot(const std::string& path) { return path.size() == 3 && path[1] == ':' && path[2] == '\\'; }
bool IsAbsolute(const std::string& path) {
    return (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) ||
           path.rfind("\\\\", 0) == 0;
}

struct UserShell {
    test::FakeFileSystem files;
    test::FakeShell shell{files};
    std::size_t longestValue = 0;  // of a special folder or a variable

    UserShell() {
        shell.csidlFolders = {{0, "C:\\Users\\dj\\Desktop"},
                              {26, "C:\\Users\\dj\\AppData\\Roaming"},
                              {28, "C:\\Users\\dj\\AppData\\Local"}};
        shell.environment = {{"USERPROFILE", "C:\\Users\\dj"}, {"APPDATA", "C:\\Users\\dj\\AppData\\Roaming"},
                             {"USERNAME", "dj"}, {"EMPTY", ""}, {"SHARE", "\\\\server\\radio\\"},
                             {"PERCENT", "50%"}};
        for (const auto& folder : shell.csidlFolders) longestValue = std::max(longestValue, folder.second.size());
        for (const auto& variable : shell.environment) longestValue = std::max(longestValue, variable.second.size());
    }
};

void CheckResolved(const std::string& inidir, const std::string& playerDirectory) {
    UserShell user;
    const Result<std::string> resolved = ResolveSettingsDirectory(inidir, playerDirectory, user.shell);
    if (!resolved.ok()) {
        Check(resolved.value.empty(), "an unresolved value gives no directory");
        return;
    }
    const std::string& directory = resolved.value;
    Check(!directory.empty(), "a resolved directory is not empty");
    Check(directory.back() != '\\' || IsDriveRoot(directory), "only a drive's root ends in '\\'");
    // Each %NAME% gives at most the longest variable, the player's directory among them; "{N}"
    // gives a folder; a relative path or one from the root adds the player's directory.
    const std::size_t variables = std::count(inidir.begin(), inidir.end(), '%') / 2;
    const std::size_t longest = std::max(user.longestValue, playerDirectory.size());
    Check(directory.size() <= inidir.size() + playerDirectory.size() + (variables + 1) * longest + 1,
          "a resolved directory is no longer than what the value can name");

    // A full path without variables names itself.
    if (IsAbsolute(directory) && directory.find('%') == std::string::npos && !IsBlank(directory.back())) {
        const Result<std::string> again = ResolveSettingsDirectory(directory, playerDirectory, user.shell);
        Check(again.ok() && again.value == directory, "a resolved full path resolves to itself");
    }
    // Made as the player would make it: it is there afterwards, or the step failed. (A name with
    // '?' is one the fake file system lets no path open.)
    if (MakeSettingsDirectory(user.files, directory).ok() && directory.find('?') == std::string::npos)
        Check(user.files.IsDirectory(directory), "a directory made is there");
}

}  // namespace
}  // namespace qlr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qlr::fuzz;
    const std::string text = Text(data, size);
    const std::string playerDirectory =
        text.find('\n') == std::string::npos ? "C:\\Program Files\\Winamp" : AfterFirstLine(text);
    CheckResolved(FirstLine(text), playerDirectory);
    return 0;
}
