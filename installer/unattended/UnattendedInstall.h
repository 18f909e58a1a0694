#pragma once
// The installer started with switches runs the window's own procedures: start-up, then the
// install button, on the fields the command line fills in. Unattended, a recording window system
// stands in for the user: it answers start-up's question as the command line says and shows no
// box.
#include <functional>

#include "common/RecordedWindowSystem.h"
#include "common/SwitchedRun.h"
#include "installer/ui/Installer.h"
#include "installer/unattended/InstallerOptions.h"

namespace qlr {

// After start-up: the paths the command line gives replace the fields' contents.
void FillFromCommandLine(Installer& installer, const InstallerOptions& options);

// The end of a run at the window: after an install, its end texts and 0, or 1 when steps failed;
// any other end (the exit button, start-up) 0, as without switches.
RunEnd InstallerEnd(const Installer& installer, const RunLog& log);

// An unattended install: start-up (its question answered by /CLOSEPLAYER), the fields from the
// command line, `show` (the silent run shows its window there), the install. Returns the exit
// code, which the log's last line also gives: 3 when start-up found no player, 4 when the player
// runs and may not be closed, 2 when the install refused its fields, else 0 or 1.
int RunUnattendedInstall(Installer& installer, const InstallerOptions& options,
                         RecordedWindowSystem& windows, RunLog& log, const std::function<void()>& show);

}  // namespace qlr
