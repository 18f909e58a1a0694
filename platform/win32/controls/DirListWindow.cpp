#include "platform/win32/controls/DirListWindow.h"

namespace qlr::win32 {

void DirListWindow::Populate() {
    ListWindow::Populate();
    // The list goes through KeyProc first, which asks the dialog keys for Enter.
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    listProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeyProc)));
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

LRESULT CALLBACK DirListWindow::KeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<DirListWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    const LRESULT result = message == WM_KEYDOWN && wParam == VK_RETURN
                               ? 0
                               : CallWindowProcA(self->listProc_, hwnd, message, wParam, lParam);
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
