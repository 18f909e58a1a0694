#pragma once
// What the log of a run started with switches needs of Windows: the local time, the system's
// error messages, appending to the log file, and who runs what.
#include <windows.h>

#include "common/RunLog.h"

namespace qlr::win32 {

class Win32LogOutput : public LogOutput {
public:
    LocalTime Now() const override;
    std::string ErrorMessage(std::uint32_t code) const override;
    Status Append(const std::string& path, const std::string& text) override;
};

// Starts the run's log with this program's path, the version given, the computer, the user and
// the command line.
void BeginRunLog(RunLog& log, const char* version);

// Whether the process runs as the local system account (SID S-1-5-18), as deployment tools and
// computer start-up scripts run programs. Its own desktop is then no user's.
bool RunsAsLocalSystem();

}  // namespace qlr::win32
