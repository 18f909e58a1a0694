#pragma once
// The installer started with switches runs the window's own procedures: start-up, then the
// install button, on the fields the command line fills in. Unattended, a recording window system
// stands in for the user: it answers start-up's question as the command line says and shows no
// box.
#include <optional>

#include "common/RecordedWindowSystem.h"
#include "common/SwitchedRun.h"
#include "installer/ui/Installer.h"
#include "installer/unattended/InstallerOptions.h"

namespace qlr {

// The end of a run at the window: after an install, its end texts and 0, or 1 when steps failed;
// any other end (the exit button, start-up) 0, as without switches.
RunEnd InstallerEnd(const Installer& installer, const RunLog& log);

// An unattended install, in two parts; the silent run shows its window between them.
// Start-up, its question answered by /CLOSEPLAYER. When it ends the run, the exit code: 3 when it
// found no player, 4 when the player runs and may not be closed, or was asked to close and its
// window is still there shortly after.
std::optional<int> StartUnattendedInstall(Installer& installer, RecordedWindowSystem& windows, RunLog& log);
// The fields from the command line (the install directory replaces the proposal when given), and
// the install. The exit code: 2 when the install refused
// its fields, else 0 or 1.
int FinishUnattendedInstall(Installer& installer, const InstallerOptions& options, RunLog& log);

}  // namespace qlr
