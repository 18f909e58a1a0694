#pragma once
// installer.exe started with switches: at its window with a log, or unattended.
#include <windows.h>

#include "installer/unattended/InstallerOptions.h"
#include "installer/win32/Win32InstallerServices.h"

namespace qlr::win32 {

// Returns the process's exit code.
int RunSwitchedInstall(HINSTANCE instance, Win32InstallerServices& platform,
                       const InstallerOptions& options);

}  // namespace qlr::win32
