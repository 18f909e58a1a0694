#pragma once
// What end-to-end tests set up around a program: registry keys made with reg.exe, the way an
// administrator makes them, and temporary directories on the prefix's drive.
#include <optional>
#include <string>
#include <vector>

namespace qlr::wine_driver {

// Runs reg.exe with the arguments and returns its exit code (0 is success); its output is
// appended to `output` when given. Bounded like every wait of the driver.
int RunReg(const std::vector<std::string>& args, std::string* output = nullptr);

// `reg add KEY /ve|/v NAME /t TYPE /d DATA /f`: sets a value (name "" is the key's default
// value), creating the key. TYPE is reg.exe's name for it: REG_SZ, REG_EXPAND_SZ, REG_DWORD, ...
void RegSetValue(const std::string& key, const std::string& valueName, const std::string& data,
                 const std::string& type = "REG_SZ");
// `reg delete KEY /f`: removes the key with everything below it; a missing key is fine.
void RegDeleteKey(const std::string& key);
bool RegKeyExists(const std::string& key);

// A value as `reg query KEY /v NAME` (/ve for the default value "") shows it: its type name and
// its data in reg.exe's notation (REG_DWORD as 0x..., REG_BINARY as hex pairs).
struct RegShownValue {
    std::string type;
    std::string data;
};
// Nothing when the key or the value is not there.
std::optional<RegShownValue> RegQueryValue(const std::string& key, const std::string& valueName);

// A new, empty directory below the temporary directory, removed with its contents when the
// owner goes away.
class TempDirectory {
public:
    explicit TempDirectory(const std::string& prefix);
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    ~TempDirectory();

    const std::string& Path() const { return path_; }
    // Makes a sub-directory (and its parents) and returns its path.
    std::string MakeSubdirectory(const std::string& relativePath) const;

private:
    std::string path_;
};

void CopyFileOrThrow(const std::string& from, const std::string& to);
// The lines of a text file, without their line ends; none when the file does not exist.
std::vector<std::string> ReadLines(const std::string& path);

}  // namespace qlr::wine_driver
