#pragma once
// How many window-system objects a process holds: to show that repeated openings of a window
// leave nothing behind.
#include <windows.h>

namespace qlr::wine_driver {

struct GuiObjectCounts {
    int gdi = 0;      // GDI objects: fonts, brushes, pens, bitmaps, DCs, regions
    int windows = 0;  // windows, top-level and child, shown or hidden

    friend bool operator==(const GuiObjectCounts& a, const GuiObjectCounts& b) {
        return a.gdi == b.gdi && a.windows == b.windows;
    }
};

// Wine's GetGuiResources always answers 0, so GDI objects are counted in the process's GDI
// handle table (the one its PEB points to, GdiSharedHandleTable; for a 32-bit process under a
// 64-bit Wine, its 64-bit PEB), and windows by enumeration.
GuiObjectCounts CountGuiObjects(DWORD processId);

}  // namespace qlr::wine_driver
