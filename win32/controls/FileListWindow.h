#pragma once
// The file list: a LISTBOX of file names. A click selects a file, a double-click chooses it.
#include "forms/FileList.h"
#include "win32/controls/ListWindow.h"

namespace qlr::win32 {

class FileListWindow : public ListWindow {
public:
    FileListWindow(forms::FileList& files, FormContext& context)
        : ListWindow(files, context, kListBoxMessages), files_(files) {}

    void OnCommand(int code) override {
        const int index = CurrentIndex();
        if (index < 0) return;
        if (code == LBN_SELCHANGE) files_.SelectByUser(index);
        else if (code == LBN_DBLCLK) files_.DoubleClickByUser(index);
    }

private:
    Shape Describe() const override {
        return {"LISTBOX", {}, LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    }

    forms::FileList& files_;
};

}  // namespace qlr::win32
