#pragma once
// What every program of the kit does around its one window.
#include <windows.h>

#include <memory>

#include "forms/Controls.h"
#include "win32/FormWindow.h"
#include "win32/Win32WindowSystem.h"

namespace qlr::win32 {

// Lets DLLs load only from the System directory. The kit's directory carries DLLs of its own
// (the ones it installs), and none of them may ever be loaded into the running program.
void RestrictDllSearch();

// Loads the common controls the manifest asks for, so the standard controls get their look, and
// tells the window system what the program's windows are made with: the painter of picture
// boxes, and the realisations of the kinds of control its forms have (the program's windows,
// its main window and those it shows modally).
void PrepareWindows(HINSTANCE instance, Win32WindowSystem& windows, ArtworkPainter painter,
                    ControlRealiser realise);

// Runs the form's start-up, creates its window, shows it and handles its events until the
// program ends. Returns the process's exit code.
int RunForm(forms::Form& form, Win32WindowSystem& windows);

// The window of a form whose start-up an unattended run has run: shown, and taking no input from
// its first moment (its buttons shown disabled, its text boxes read-only).
// Null when the system refuses it; the run then goes on without a window.
std::unique_ptr<FormWindow> ShowWithoutInput(forms::Form& form, Win32WindowSystem& windows);

}  // namespace qlr::win32
