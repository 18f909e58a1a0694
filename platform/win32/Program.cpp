#include "platform/win32/Program.h"

#include <commctrl.h>

#include "platform/win32/SystemDll.h"

namespace qlr::win32 {

void RestrictDllSearch() {
    auto setDefault =
        SystemFunction<BOOL(WINAPI*)(DWORD)>("kernel32.dll", "SetDefaultDllDirectories");
    if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        // Older systems: at least take the current directory out of the search.
        SetDllDirectoryA("");
    }
}

int RunForm(HINSTANCE instance, forms::Form& form, Win32WindowSystem& windows,
            ArtworkPainter painter, ControlRealiser realise) {
    // Loads the common controls the manifest asks for, so the standard controls get their look.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    if (auto init = SystemFunction<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(
            "comctl32.dll", "InitCommonControlsEx"))
        init(&controls);

    windows.SetRealisation(instance, std::move(painter), realise);
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

}  // namespace qlr::win32
