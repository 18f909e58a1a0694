#pragma once
// What the three list realisations share: filling the system's list from the model's entries
// (once per change of the entries, not per move of the highlight), and drawing owner-drawn
// entries with their indentation and glyph. The system's list keeps every entry's text, so other
// programs and screen readers can read them.
#include "forms/ListControl.h"
#include "win32/controls/ControlWindow.h"

namespace qlr::win32 {

// The messages of a LISTBOX or of a COMBOBOX that do the same.
struct ListMessages {
    UINT reset, initStorage, add, setCurrent, getCurrent, setItemHeight;
};
inline constexpr ListMessages kListBoxMessages{LB_RESETCONTENT, LB_INITSTORAGE, LB_ADDSTRING,
                                               LB_SETCURSEL, LB_GETCURSEL, LB_SETITEMHEIGHT};
inline constexpr ListMessages kComboBoxMessages{CB_RESETCONTENT, CB_INITSTORAGE, CB_ADDSTRING,
                                                CB_SETCURSEL, CB_GETCURSEL, CB_SETITEMHEIGHT};

class ListWindow : public ControlWindow {
public:
    ListWindow(forms::ListControl& list, FormContext& context, const ListMessages& messages)
        : ControlWindow(list, context), list_(list), messages_(messages) {}

    void Layout() override;
    void OnMeasureItem(MEASUREITEMSTRUCT& item) override { item.itemHeight = UINT(ItemHeight()); }
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    // Lists always show their own colours.
    HBRUSH OnColor(HDC dc) override;

protected:
    void Populate() override { Fill(); }
    void Show(forms::Change change) override;
    // The entry the system's list has current; -1 when none is.
    int CurrentIndex() const { return int(SendMessageA(hwnd_, messages_.getCurrent, 0, 0)); }
    int ItemHeight() const;

    forms::ListControl& list_;

private:
    void Fill();

    const ListMessages& messages_;
};

}  // namespace qlr::win32
