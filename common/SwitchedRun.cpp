#include "common/SwitchedRun.h"

namespace qlr {

std::optional<int> RefuseOrHelp(const RunOptions& options, const std::string& usage,
                                const std::string& title, WindowSystem& windows, RunLog& log) {
    if (!options.refusal.empty()) {
        windows.MsgBox(options.refusal + "\r\n\r\n" + usage, title, kMbOk | kMbIconError);
        return Finish(log, {"Command line refused, nothing changed: " + options.refusal, kExitRefused});
    }
    if (!options.help) return std::nullopt;
    windows.MsgBox(usage, title, kMbOk);
    return Finish(log, {"Usage shown, nothing changed", options.Unattended() ? kExitRefused : kExitDone});
}

int Finish(RunLog& log, const RunEnd& end) {
    log.End(end.state, end.exitCode);
    return end.exitCode;
}

}  // namespace qlr
