// remover.exe: takes the scheduler off again. Started from the install directory, it deletes the
// scheduler's configuration files from the player's directory and its program files from there.
// Started with switches it can also remove unattended (remover/win32/SwitchedRemoval.h).
#include <windows.h>

#include "platform/win32/Program.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "remover/Form1.h"
#include "remover/UnattendedRemoval.h"
#include "remover/win32/SwitchedRemoval.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // First of all: the install directory holds a comdlg32.dll of its own, never to be loaded.
    qlr::win32::RestrictDllSearch();

    qlr::win32::Win32FileSystem files;
    qlr::win32::Win32Registry registry;
    qlr::win32::Win32WindowSystem windows;
    const qlr::RunOptions options = qlr::remover::ParseRemoverOptions(GetCommandLineA());
    if (options.switched)
        return qlr::win32::RunSwitchedRemoval(instance, windows, files, registry, options);

    qlr::remover::Form1 form({windows, files, registry});
    // The remover's window has no picture box, so there is no artwork to paint, and no list.
    return qlr::win32::RunForm(instance, form, windows, nullptr, qlr::win32::RealiseStandardControl);
}
