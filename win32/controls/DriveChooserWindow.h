#pragma once
// The drive chooser: a drop-down list (COMBOBOX) of the machine's drives, each with its glyph.
#include "forms/DriveList.h"
#include "win32/controls/ListWindow.h"

namespace qlr::win32 {

class DriveChooserWindow : public ListWindow {
public:
    DriveChooserWindow(forms::DriveList& drives, FormContext& context)
        : ListWindow(drives, context, kComboBoxMessages), drives_(drives) {}

    void Layout() override;
    void OnCommand(int code) override;
    bool Owns(HWND window) const override;

private:
    Shape Describe() const override {
        return {"COMBOBOX", {}, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL};
    }
    // The user's choice becomes the current drive once the list has closed: a drive that cannot
    // be read then shows its message over a closed list.
    void ApplyChoice();

    forms::DriveList& drives_;
};

}  // namespace qlr::win32
