#include "win32/controls/ListWindow.h"

#include <algorithm>

#include "forms/Geometry.h"
#include "win32/GdiScope.h"
#include "win32/controls/ListGlyphs.h"

namespace qlr::win32 {

namespace {

// At 96 dpi: the step of one level of indentation, the margin before an entry and the gap
// between glyph and text.
constexpr int kIndent = 10;
constexpr int kMargin = 2;
constexpr int kGap = 4;

}  // namespace

int ListWindow::ItemHeight() const {
    return (std::max)(LineHeight(Font()), GlyphWidth(Dpi()) + forms::Scale(1, Dpi()));
}

void ListWindow::Layout() {
    ControlWindow::Layout();
    if (GetWindowLongA(hwnd_, GWL_STYLE) & (LBS_OWNERDRAWFIXED | CBS_OWNERDRAWFIXED))
        SendMessageA(hwnd_, messages_.setItemHeight, 0, ItemHeight());
}

void ListWindow::Fill() {
    const std::vector<forms::ListItem>& items = list_.Items();
    // One repaint for the whole list, and its memory taken at once.
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, messages_.reset, 0, 0);
    size_t bytes = 0;
    for (const forms::ListItem& item : items) bytes += item.text.size() + 1;
    SendMessageA(hwnd_, messages_.initStorage, items.size(), LPARAM(bytes));
    for (const forms::ListItem& item : items)
        SendMessageA(hwnd_, messages_.add, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
    SendMessageA(hwnd_, messages_.setCurrent, WPARAM(list_.Highlighted()), 0);
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListWindow::Show(forms::Change change) {
    if (change == forms::Change::Items) Fill();
    else if (change == forms::Change::Selection)
        SendMessageA(hwnd_, messages_.setCurrent, WPARAM(list_.Highlighted()), 0);
}

HBRUSH ListWindow::OnColor(HDC dc) {
    SetTextColor(dc, TextColor());
    SetBkColor(dc, BackgroundColor());
    return BackgroundBrush();
}

void ListWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const bool selected = item.itemState & ODS_SELECTED;
    SetBkColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHT) : BackgroundColor());
    SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : TextColor());
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);  // fills r with the back colour
    const auto& items = list_.Items();
    if (item.itemID < items.size()) {
        const forms::ListItem& entry = items[item.itemID];
        const UINT dpi = Dpi();
        // The closed drop-down list shows its entry without indentation.
        const int indent = (item.itemState & ODS_COMBOBOXEDIT) ? 0 : entry.indent;
        int x = r.left + forms::Scale(kMargin + kIndent * indent, dpi);
        if (entry.glyph != forms::Glyph::None) {
            DrawGlyph(dc, entry.glyph, {x, r.top, x + GlyphWidth(dpi), r.bottom}, dpi);
            x += GlyphWidth(dpi) + forms::Scale(kGap, dpi);
        }
        Selection font(dc, Font());
        RECT text{x, r.top, r.right, r.bottom};
        DrawTextA(dc, entry.text.c_str(), int(entry.text.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

}  // namespace qlr::win32
