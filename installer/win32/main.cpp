// installer.exe: places the scheduler beside an existing media player installation.
#include <windows.h>

#include "installer/ui/Installer.h"
#include "installer/win32/Artwork.h"
#include "installer/win32/Win32InstallerServices.h"
#include "platform/win32/Program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    qlr::win32::RestrictDllSearch();

    qlr::win32::Win32InstallerServices platform;
    qlr::Installer installer(platform.Services());
    return qlr::win32::RunForm(instance, installer, platform.windows,
                               qlr::win32::PaintInstallerArtwork, qlr::win32::RealiseAnyControl);
}
