#include "common/SwitchedRun.h"

#include "common/Paths.h"

namespace qlr {

using namespace std::literals;

std::optional<int> RefuseOrHelp(const RunOptions& options, const std::string& usage,
                                const std::string& title, WindowSystem& windows, RunLog& log) {
    if (!options.refusal.empty()) {
        windows.MsgBox(Join({options.refusal, "\r\n\r\n"sv, usage}), title, kMbOk | kMbIconError);
        // The box, in the log too, says why.
        return Finish(log, "Command line refused, nothing changed", kExitRefused);
    }
    if (!options.help) return std::nullopt;
    windows.MsgBox(usage, title, kMbOk);
    return Finish(log, "Usage shown, nothing changed", options.Unattended() ? kExitRefused : kExitDone);
}

}  // namespace qlr
