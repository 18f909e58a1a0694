#include "win32/controls/DriveChooserWindow.h"

#include "forms/Geometry.h"

namespace qlr::win32 {

namespace {

// Entries the open list shows at most before it scrolls.
constexpr int kDroppedEntries = 8;

}  // namespace

void DriveChooserWindow::Layout() {
    ListWindow::Layout();
    // The control's height is that of the closed list; the window's also holds the open one.
    const RECT r = Placement();
    const int closed = r.bottom - r.top;
    RECT field{};
    SendMessageA(hwnd_, CB_SETITEMHEIGHT, WPARAM(-1), 1);
    GetWindowRect(hwnd_, &field);
    // What the frame of the closed list takes around a selection field of one pixel.
    const int frame = (field.bottom - field.top) - 1;
    if (closed - frame > 0) SendMessageA(hwnd_, CB_SETITEMHEIGHT, WPARAM(-1), closed - frame);
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, closed + kDroppedEntries * ItemHeight() + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DriveChooserWindow::OnCommand(int code) {
    if ((code == CBN_SELCHANGE && !SendMessageA(hwnd_, CB_GETDROPPEDSTATE, 0, 0)) || code == CBN_CLOSEUP)
        ApplyChoice();
}

void DriveChooserWindow::ApplyChoice() {
    const int index = CurrentIndex();
    if (index >= 0 && index != drives_.Highlighted()) drives_.ChooseByUser(index);
}

bool DriveChooserWindow::Owns(HWND window) const {
    if (window == hwnd_) return true;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(hwnd_, &info) && window == info.hwndList;
}

}  // namespace qlr::win32
