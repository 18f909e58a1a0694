#pragma once
// The kit's own window classes, registered on first use.
#include <windows.h>

#include "win32/Win32Status.h"

namespace qlr::win32 {

// Registers the class `name` of this module, with the arrow cursor and no background brush (its
// windows paint their own), unless it is registered already.
inline Status RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure,
                                  UINT style = 0) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExA(instance, name, &windowClass)) return Status::Ok();
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    return StatusOf(RegisterClassExA(&windowClass) != 0);
}

}  // namespace qlr::win32
