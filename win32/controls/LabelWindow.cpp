#include "win32/controls/LabelWindow.h"

#include <climits>

#include "win32/GdiScope.h"

namespace qlr::win32 {

namespace {

int TextWidth(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    return size.cx;
}

}  // namespace

ControlWindow::Shape LabelWindow::Describe() const {
    return {"STATIC", label_.Caption(), SS_NOPREFIX | SS_OWNERDRAW};
}

void LabelWindow::Layout() {
    ControlWindow::Layout();
    FitToCaption();
}

void LabelWindow::Show(forms::Change change) {
    if (change != forms::Change::Text) return;
    SetWindowTextA(hwnd_, label_.Caption().c_str());
    FitToCaption();
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void LabelWindow::FitToCaption() {
    if (!label_.autoSize) return;
    int width = 0;
    {
        WindowDC dc(hwnd_);
        Selection font(dc.get(), Font());
        width = TextWidth(dc.get(), label_.Caption());
    }
    RECT r;
    GetClientRect(hwnd_, &r);
    SetWindowPos(hwnd_, nullptr, 0, 0, width + 1, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The old, wider text may stand beside the label's new edge.
    InvalidateRect(context_.frame, nullptr, TRUE);
}

void LabelWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const bool ownBackground = label_.background.kind != forms::Color::Kind::Default;
    FillRect(dc, &r, ownBackground ? BackgroundBrush() : context_.background);
    Selection font(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColor());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int available = label_.autoSize ? INT_MAX : r.right - r.left;
    const UINT align = label_.align == forms::Align::Center ? DT_CENTER : DT_LEFT;
    std::vector<std::string> lines = forms::WrapText(label_.Caption(), available,
                                                     [dc](const std::string& t) { return TextWidth(dc, t); });
    // A label with room for one line keeps its caption there, cut at its edge: a font scaled for
    // the DPI is not always exactly as much wider as the label, and a last word pushed onto a line
    // below the label could not be seen.
    if (r.bottom - r.top < 2 * metrics.tmHeight) lines = {label_.Caption()};
    int top = r.top;
    for (const std::string& line : lines) {
        RECT lineRect{r.left, top, r.right, top + metrics.tmHeight};
        DrawTextA(dc, line.c_str(), int(line.size()), &lineRect, align | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        top += metrics.tmHeight;
        if (top >= r.bottom) break;
    }
}

}  // namespace qlr::win32
