// installer.exe: places the scheduler beside an existing media player installation.
#include <windows.h>

#include "installer/ui/Installer.h"
#include "installer/win32/Artwork.h"
#include "platform/SteadyClock.h"
#include "platform/win32/Program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    qlr::win32::RestrictDllSearch();

    qlr::win32::Win32FileSystem files;
    qlr::win32::Win32Registry registry;
    qlr::win32::Win32WindowSystem windows;
    qlr::SteadyClock clock;
    qlr::Installer installer({windows, files, registry, clock});
    return qlr::win32::RunForm(instance, installer, windows, qlr::win32::PaintInstallerArtwork);
}
