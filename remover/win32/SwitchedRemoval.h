#pragma once
// remover.exe started with switches: at its window with a log, or unattended.
#include <windows.h>

#include "common/CommandLine.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32WindowSystem.h"

namespace qlr::win32 {

// Returns the process's exit code.
int RunSwitchedRemoval(HINSTANCE instance, Win32WindowSystem& screen, Win32FileSystem& files,
                       Win32Registry& registry, const RunOptions& options);

}  // namespace qlr::win32
