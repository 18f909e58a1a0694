#pragma once
// The System and the Windows directory, as text without a trailing backslash (normally).
#include <string>

#include "platform/IniFilez.h"
#include "platform/Status.h"

namespace qlr {

// The directory is the buffer's text up to its first NUL. A call that leaves no NUL in the
// buffer (it failed, or the directory does not fit in 255 characters) fails with
// ERROR_INVALID_PARAMETER and leaves `directory` as it was.
Status GetSystemDir(IniFilez& ini, std::string& directory);
Status GetWindowsDir(IniFilez& ini, std::string& directory);

}  // namespace qlr
