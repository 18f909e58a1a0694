#include "win32/Program.h"

#include <commctrl.h>

#include "win32/SystemDll.h"

namespace qlr::win32 {

void RestrictDllSearch() {
    auto setDefault =
        FunctionAfterXp<BOOL(WINAPI*)(DWORD)>("kernel32.dll", "SetDefaultDllDirectories");
    if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        // Older systems (XP SP1 on): at least take the current directory out of the search.
        SetDllDirectoryA("");
    }
}

void PrepareWindows(HINSTANCE instance, Win32WindowSystem& windows, ArtworkPainter painter,
                    ControlRealiser realise) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    if (auto init = SystemFunction<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(
            "comctl32.dll", "InitCommonControlsEx"))
        init(&controls);
    windows.SetRealisation(instance, std::move(painter), realise);
}

int RunForm(forms::Form& form, Win32WindowSystem& windows) {
    std::unique_ptr<FormWindow> window;
    try {
        window = windows.Open(form, nullptr);
    } catch (...) {
        return 1;  // start-up failed
    }
    if (!window) return 1;
    window->Show();
    return windows.RunEventLoop();
}

std::unique_ptr<FormWindow> ShowWithoutInput(forms::Form& form, Win32WindowSystem& windows) {
    std::unique_ptr<FormWindow> window = windows.Realise(form, nullptr, false);
    if (window) window->Show();
    return window;
}

}  // namespace qlr::win32
