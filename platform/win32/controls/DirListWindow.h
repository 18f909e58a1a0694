#pragma once
// The directory list: an owner-drawn LISTBOX with folder glyphs and indentation. A double-click,
// or Enter while it has the focus, activates the highlighted entry.
#include "forms/DirList.h"
#include "platform/win32/controls/ListWindow.h"

namespace qlr::win32 {

class DirListWindow : public ListWindow {
public:
    DirListWindow(forms::DirList& dirs, FormContext& context)
        : ListWindow(dirs, context, kListBoxMessages), dirs_(dirs) {}

    void OnCommand(int code) override;

private:
    static LRESULT CALLBACK KeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    Shape Describe() const override {
        return {"LISTBOX", {},
                LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    }
    void Populate() override;
    void Activate();

    forms::DirList& dirs_;
    WNDPROC listProc_ = nullptr;  // the system's procedure of the list, which KeyProc goes before
};

}  // namespace qlr::win32
