#pragma once
// The remover started with switches runs its window's own procedures: start-up, then "&Yes",
// without asking. Its command line knows only the switches both programs share.
#include "common/SwitchedRun.h"
#include "remover/Form1.h"

namespace qlr::remover {

RunOptions ParseRemoverOptions(const std::string& commandLine);

extern const char kRemoverUsage[];

// The end of a run: after the removal, its end text and 0, or 1 when files could not be deleted;
// any other end ("&No") 0, as without switches.
RunEnd RemoverEnd(const Form1& form, const RunLog& log);

// An unattended removal, in two parts; the silent run shows its window between them.
// Start-up, and what it found into the log.
void StartUnattendedRemoval(Form1& form, RunLog& log);
// The removal. Returns the exit code, which the log's last line also gives.
int FinishUnattendedRemoval(Form1& form, RunLog& log);

}  // namespace qlr::remover
