#pragma once
// The directory list: an owner-drawn LISTBOX with folder glyphs and indentation. A double-click,
// or Enter while it has the focus, activates the highlighted entry.
#include <windows.h>
#include <commctrl.h>

#include "forms/DirList.h"
#include "win32/controls/ListWindow.h"

namespace qlr::win32 {

class DirListWindow : public ListWindow {
public:
    DirListWindow(forms::DirList& dirs, FormContext& context)
        : ListWindow(dirs, context, kListBoxMessages), dirs_(dirs) {}

    void OnCommand(int code) override;

private:
    // The list's subclass procedure (comctl32's SetWindowSubclass), with this as its data.
    static LRESULT CALLBACK KeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR data);
    Shape Describe() const override {
        return {"LISTBOX", {},
                LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    }
    void Populate() override;
    void Activate();

    forms::DirList& dirs_;
    // comctl32's DefSubclassProc, which hands a message on to the list's own procedure, and
    // RemoveWindowSubclass.
    LRESULT(WINAPI* listProc_)(HWND, UINT, WPARAM, LPARAM) = nullptr;
    BOOL(WINAPI* unsubclass_)(HWND, SUBCLASSPROC, UINT_PTR) = nullptr;
};

}  // namespace qlr::win32
