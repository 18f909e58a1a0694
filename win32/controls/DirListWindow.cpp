#include "win32/controls/DirListWindow.h"

#include "win32/SystemDll.h"

namespace qlr::win32 {

void DirListWindow::Populate() {
    ListWindow::Populate();
    // The list's messages go through KeyProc first, which asks the dialog keys for Enter. Where
    // the common controls cannot subclass (never on a supported system), Enter presses the
    // default button instead.
    auto subclass = SystemFunction<BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR)>(
        "comctl32.dll", "SetWindowSubclass");
    listProc_ = SystemFunction<decltype(listProc_)>("comctl32.dll", "DefSubclassProc");
    unsubclass_ = SystemFunction<decltype(unsubclass_)>("comctl32.dll", "RemoveWindowSubclass");
    if (subclass && listProc_ && unsubclass_)
        subclass(hwnd_, KeyProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void DirListWindow::OnCommand(int code) {
    if (code == LBN_SELCHANGE) {
        if (int index = CurrentIndex(); index >= 0) dirs_.HighlightByUser(index);
    } else if (code == LBN_DBLCLK) {
        Activate();
    }
}

void DirListWindow::Activate() {
    if (int index = CurrentIndex(); index >= 0) dirs_.ActivateByUser(index);
}

LRESULT CALLBACK DirListWindow::KeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<DirListWindow*>(data);
    // The window is going: the subclass goes first, as the common controls ask.
    if (message == WM_NCDESTROY) self->unsubclass_(hwnd, KeyProc, id);
    const LRESULT result = message == WM_KEYDOWN && wParam == VK_RETURN
                               ? 0
                               : self->listProc_(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_GETDLGCODE: {
            // Enter stays with the list instead of pressing the default button.
            const MSG* key = reinterpret_cast<const MSG*>(lParam);
            if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
                return result | DLGC_WANTMESSAGE;
            return result;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                try {
                    self->Activate();
                } catch (...) {
                    // No exception may cross into the system: the activation is abandoned.
                }
            }
            return result;
        default: return result;
    }
}

}  // namespace qlr::win32
