#pragma once
// What every program of the kit does around its one window.
#include <windows.h>

#include "forms/Controls.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/Win32WindowSystem.h"

namespace qlr::win32 {

// Lets DLLs load only from the System directory. The kit's directory carries DLLs of its own
// (the ones it installs), and none of them may ever be loaded into the running program.
void RestrictDllSearch();

// Runs the form's start-up, creates its window, shows it and handles its events until the
// program ends. The program's windows, this one and those it shows modally, get their controls'
// realisations from realise. Returns the process's exit code.
int RunForm(HINSTANCE instance, forms::Form& form, Win32WindowSystem& windows,
            ArtworkPainter painter, ControlRealiser realise);

}  // namespace qlr::win32
