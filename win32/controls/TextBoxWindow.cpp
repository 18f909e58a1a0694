#include "win32/controls/TextBoxWindow.h"

#include "common/ScopeExit.h"

namespace qlr::win32 {

ControlWindow::Shape TextBoxWindow::Describe() const {
    return {"EDIT", box_.Text(), DWORD(ES_AUTOHSCROLL | (ShownReadOnly() ? ES_READONLY : 0)),
            WS_EX_CLIENTEDGE};
}

void TextBoxWindow::Show(forms::Change change) {
    if (change == forms::Change::Text) {
        showing_ = true;
        ScopeExit shown([this] { showing_ = false; });
        SetWindowTextA(hwnd_, box_.Text().c_str());
    } else if (change == forms::Change::State) {
        SendMessageA(hwnd_, EM_SETREADONLY, ShownReadOnly(), 0);
    }
}

void TextBoxWindow::OnCommand(int code) {
    if (code != EN_CHANGE || showing_) return;
    std::string text(size_t(GetWindowTextLengthA(hwnd_)) + 1, '\0');
    text.resize(size_t(GetWindowTextA(hwnd_, text.data(), int(text.size()))));
    box_.TextEditedByUser(text);
}

}  // namespace qlr::win32
