#pragma once
// The remover started with switches runs its window's own procedures: start-up, then "&Yes",
// without asking. Its command line knows only the switches both programs share.
#include <functional>

#include "common/SwitchedRun.h"
#include "remover/Form1.h"

namespace qlr::remover {

RunOptions ParseRemoverOptions(const std::string& commandLine);

extern const char kRemoverUsage[];

// The end of a run: after the removal, its end text and 0, or 1 when files could not be deleted;
// any other end ("&No") 0, as without switches.
RunEnd RemoverEnd(const Form1& form, const RunLog& log);

// An unattended removal: start-up, `show` (the silent run shows its window there), the removal.
// Returns the exit code, which the log's last line also gives.
int RunUnattendedRemoval(Form1& form, RunLog& log, const std::function<void()>& show);

}  // namespace qlr::remover
