#pragma once
// What both programs do alike when started with switches: answer a refused command line or a
// request for help with their usage, and end the run with its exit code in the log.
#include <optional>
#include <string>

#include "common/CommandLine.h"
#include "common/RunLog.h"
#include "platform/WindowSystem.h"

namespace qlr {

// How a run ended: the end state as the window shows it, and the exit code that goes with it.
struct RunEnd {
    std::string state;
    int exitCode = kExitDone;
};

// When the command line is refused, or asks for help: shows the usage through `windows` (a box at
// the window; only the log in an unattended run, where nobody may be there to close a box) and
// returns the exit code. Refused: 2. Help: 0 at the window; 2 in an unattended run, which then
// did nothing it was started for. Otherwise nothing, and the run goes on.
std::optional<int> RefuseOrHelp(const RunOptions& options, const std::string& usage,
                                const std::string& title, WindowSystem& windows, RunLog& log);

// Writes the end as the log's last line and returns its exit code.
inline int Finish(RunLog& log, std::string_view state, int exitCode) {
    log.End(state, exitCode);
    return exitCode;
}
inline int Finish(RunLog& log, const RunEnd& end) { return Finish(log, end.state, end.exitCode); }

}  // namespace qlr
