#include "win32/controls/ControlWindow.h"

#include "forms/Geometry.h"

namespace qlr::win32 {

COLORREF ColorOf(const forms::Color& color, COLORREF fallback) {
    switch (color.kind) {
        case forms::Color::Kind::Rgb: return COLORREF(color.value);
        case forms::Color::Kind::System: return GetSysColor(int(color.value));
        default: return fallback;
    }
}

ControlWindow::ControlWindow(forms::Control& control, FormContext& context)
    : context_(context), control_(control) {}

// The child window itself goes with its frame, which destroys it before its realisation.
ControlWindow::~ControlWindow() { control_.AttachView(nullptr); }

bool ControlWindow::Create() {
    const Shape shape = Describe();
    const DWORD style = WS_CHILD | shape.style | (control_.Visible() ? WS_VISIBLE : 0) |
                        (ShownEnabled() ? 0 : WS_DISABLED) |
                        (control_.tabStop ? WS_TABSTOP : 0);
    hwnd_ = CreateWindowExA(shape.exStyle, shape.windowClass, shape.text.c_str(), style, 0, 0, 0,
                            0, context_.frame,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_.Id())),
                            context_.instance, this);
    if (!hwnd_) return false;
    Populate();
    control_.AttachView(this);
    return true;
}

RECT ControlWindow::Placement() const {
    const forms::Rect r = forms::ScaleEdges(control_.Bounds(), Dpi());
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

void ControlWindow::Layout() {
    const RECT r = Placement();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
}

HBRUSH ControlWindow::BackgroundBrush() {
    if (!brush_) brush_.reset(CreateSolidBrush(BackgroundColor()));
    return static_cast<HBRUSH>(brush_.get());
}

HBRUSH ControlWindow::OnColor(HDC dc) {
    if (control_.background.kind == forms::Color::Kind::Default &&
        control_.foreground.kind == forms::Color::Kind::Default)
        return nullptr;
    SetTextColor(dc, TextColor());
    SetBkColor(dc, BackgroundColor());
    return BackgroundBrush();
}

bool ControlWindow::ShownEnabled() const {
    return control_.Enabled() && (context_.takesInput || control_.kind() == forms::Kind::TextBox);
}

void ControlWindow::Refresh(const forms::Control&, forms::Change change) {
    if (change == forms::Change::State) ShowState();
    Show(change);
}

void ControlWindow::ShowState() {
    const bool enabled = ShownEnabled();
    if (!enabled && GetFocus() == hwnd_) {
        // A disabled control cannot keep the keyboard focus: hand it on.
        HWND next = GetNextDlgTabItem(context_.frame, hwnd_, FALSE);
        SetFocus(next && next != hwnd_ ? next : context_.frame);
    }
    if (bool(IsWindowEnabled(hwnd_)) != enabled) EnableWindow(hwnd_, enabled);
    if (bool(IsWindowVisible(hwnd_)) != control_.Visible())
        ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
}

}  // namespace qlr::win32
