// installer.exe: places the scheduler beside an existing media player installation. Started
// with switches it can also install unattended (installer/win32/SwitchedInstall.h).
#include <windows.h>

#include "installer/ui/Installer.h"
#include "installer/win32/Artwork.h"
#include "installer/win32/SwitchedInstall.h"
#include "installer/win32/Win32InstallerServices.h"
#include "platform/win32/Program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    qlr::win32::RestrictDllSearch();

    qlr::win32::Win32InstallerServices platform;
    const qlr::InstallerOptions options = qlr::ParseInstallerOptions(GetCommandLineA());
    if (options.switched) return qlr::win32::RunSwitchedInstall(instance, platform, options);

    qlr::Installer installer(platform.Services());
    return qlr::win32::RunForm(instance, installer, platform.windows,
                               qlr::win32::PaintInstallerArtwork, qlr::win32::RealiseAnyControl);
}
