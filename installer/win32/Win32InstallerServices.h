#pragma once
// The installer's platform services over the Win32 API, owned together.
#include "installer/ui/Installer.h"
#include "win32/Win32Clock.h"
#include "win32/Win32IniFilez.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"
#include "win32/Win32WindowSystem.h"
#include "win32/Win32Shell.h"

namespace qlr::win32 {

struct Win32InstallerServices {
    Win32FileSystem files;
    Win32StepRegistry registry;
    Win32WindowSystem windows;
    Win32Clock clock;
    Win32IniFilez ini;
    Win32Shell shell;

    InstallerServices Services() { return {windows, files, registry, clock, ini, shell}; }
};

}  // namespace qlr::win32
