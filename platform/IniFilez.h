#pragma once
// The installer's bindings to the profile-file and directory functions of the system: writing and
// reading one value of a profile (.ini) file, and asking for the System and the Windows directory. Named
// after the kernel32 functions they stand for.
#include <string>

#include "platform/Status.h"

namespace qlr {

// A default value for GetPrivateProfileStringA that no key of a text profile file holds (the DEL
// control character alone): it comes back only for a file, section or key that is not there.
inline constexpr const char* kMissingProfileValue = "\x7f";

class IniFilez {
public:
    // Writes key=value into the section of the profile file; the file and the section are created
    // when missing, an existing value of the key is replaced, every other line stays.
    virtual Status WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                              const std::string& value, const std::string& file) = 0;
    // Reads the value of the key in the section of the profile file, without the blanks around
    // it (at most 32766 characters of it); defaultValue when the file, the section or the key is
    // not there.
    virtual std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                                 const std::string& defaultValue,
                                                 const std::string& file) = 0;
    // Write the directory into the buffer, followed by a NUL character, as the system's calls do:
    // when the directory does not fit (or the call fails) the buffer is left as it was. The
    // System directory is the one where the 32-bit programs the kit installs load their libraries.
    virtual void GetSystemDirectoryA(std::string& buffer) = 0;
    virtual void GetWindowsDirectoryA(std::string& buffer) = 0;

protected:
    ~IniFilez() = default;  // never deleted through this interface
};

}  // namespace qlr
