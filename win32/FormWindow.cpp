#include "win32/FormWindow.h"

#include <utility>

#include "forms/Geometry.h"
#include "win32/GdiScope.h"
#include "win32/SystemDll.h"
#include "win32/WindowClass.h"
#include "win32/controls/RealiseControl.h"

namespace qlr::win32 {

namespace {

const char kFormClass[] = "QuilloraForm";
const DWORD kFormStyle = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
const DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The window's DPI where the system tells it per window (Windows 10), else the screen's.
UINT DpiOf(HWND hwnd) {
    auto getDpiForWindow = FunctionAfterXp<UINT(WINAPI*)(HWND)>("user32.dll", "GetDpiForWindow");
    if (getDpiForWindow && hwnd)
        if (UINT dpi = getDpiForWindow(hwnd)) return dpi;
    WindowDC screen(nullptr);
    int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? UINT(dpi) : 96;
}

void AdjustForDpi(RECT& rect, UINT dpi) {
    auto adjust = FunctionAfterXp<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(
        "user32.dll", "AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&rect, kFormStyle, FALSE, kFormExStyle, dpi))
        AdjustWindowRectEx(&rect, kFormStyle, FALSE, kFormExStyle);
}

forms::Area AreaOf(const RECT& r) { return {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }

HICON LoadIconSized(HINSTANCE instance, const std::string& name, int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(LoadImageA(instance, name.c_str(), IMAGE_ICON, size, size, 0));
}

}  // namespace

FormWindow::FormWindow(forms::Form& form, HINSTANCE instance, ArtworkPainter painter,
                       ControlRealiser realise, HWND owner, bool takesInput)
    : form_(form),
      realise_(realise),
      owner_(owner),
      // instance, frame, background, painter, fonts, takesInput
      context_{instance, nullptr, nullptr, std::move(painter), nullptr, takesInput} {}

FormWindow::~FormWindow() = default;

bool FormWindow::Create() {
    if (!RegisterWindowClass(context_.instance, kFormClass, WindowProc).ok()) return false;
    background_.reset(CreateSolidBrush(ColorOf(form_.background, GetSysColor(COLOR_BTNFACE))));
    context_.background = static_cast<HBRUSH>(background_.get());
    HWND owner = owner_;
    if (!owner && !form_.showInTaskbar) {
        hiddenOwner_.reset(CreateWindowExA(0, "STATIC", form_.Title().c_str(), WS_POPUP, 0, 0, 0,
                                           0, nullptr, nullptr, context_.instance, nullptr));
        owner = hiddenOwner_.get();
    }
    CreateWindowExA(kFormExStyle, kFormClass, form_.Title().c_str(),
                    kFormStyle | (context_.takesInput ? 0 : WS_DISABLED), 0, 0, 0, 0, owner, nullptr,
                    context_.instance, this);
    if (!hwnd_) return false;
    context_.frame = hwnd_.get();
    if (!form_.icon.empty()) {
        bigIcon_.reset(LoadIconSized(context_.instance, form_.icon, SM_CXICON));
        smallIcon_.reset(LoadIconSized(context_.instance, form_.icon, SM_CXSMICON));
        SendMessageA(hwnd_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
        SendMessageA(hwnd_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    }
    fonts_ = std::make_unique<FontCache>(DpiOf(hwnd_.get()));
    context_.fonts = fonts_.get();
    // Created in the form's order, which makes it the tab order.
    for (forms::Control* control : form_.Controls()) {
        controls_.push_back(realise_(*control, context_));
        if (!controls_.back() || !controls_.back()->Create()) return false;
    }
    Layout(fonts_->Dpi());
    return true;
}

void FormWindow::Layout(UINT dpi) {
    // At a new DPI the old fonts stay until every control has its new one.
    std::unique_ptr<FontCache> old;
    if (dpi != fonts_->Dpi()) {
        old = std::exchange(fonts_, std::make_unique<FontCache>(dpi));
        context_.fonts = fonts_.get();
    }
    for (auto& control : controls_) control->Layout();
    RECT frame{0, 0, forms::Scale(form_.ClientWidth(), dpi), forms::Scale(form_.ClientHeight(), dpi)};
    AdjustForDpi(frame, dpi);
    SetWindowPos(hwnd_.get(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Place() {
    RECT window;
    GetWindowRect(hwnd_.get(), &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    const bool overOwner = form_.placement == forms::Placement::CenterOwner && owner_;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(overOwner ? owner_ : hwnd_.get(), MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
    forms::Point corner;
    if (overOwner) {
        RECT owner;
        GetWindowRect(owner_, &owner);
        corner = forms::CenterOver(width, height, AreaOf(owner), AreaOf(monitor.rcWork));
    } else {
        corner = forms::CenterOn(width, height, AreaOf(monitor.rcWork));
    }
    SetWindowPos(hwnd_.get(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Show() {
    Place();
    // Moving to another monitor may have changed the DPI.
    if (UINT dpi = DpiOf(hwnd_.get()); dpi != fonts_->Dpi()) Layout(dpi);
    ShowWindow(hwnd_.get(), SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_.get());
    // A window that takes no input holds no focus.
    HWND first = context_.takesInput ? GetNextDlgTabItem(hwnd_.get(), nullptr, FALSE) : nullptr;
    if (first) SetFocus(first);
    UpdateWindow(hwnd_.get());
}

ControlWindow* FormWindow::ById(int id) const {
    for (const auto& control : controls_)
        if (control->Model().Id() == id) return control.get();
    return nullptr;
}

ControlWindow* FormWindow::ByHandle(HWND window) const {
    for (const auto& control : controls_)
        if (control->Owns(window)) return control.get();
    return nullptr;
}

int FormWindow::ButtonId(bool forms::Button::*role) const {
    for (forms::Control* control : form_.Controls())
        if (control->kind() == forms::Kind::Button && static_cast<forms::Button*>(control)->*role)
            return control->Id();
    return 0;
}

void FormWindow::OnCommand(int id, int code, HWND child) {
    if (!context_.takesInput) return;
    // Esc: the dialog keys send IDCANCEL, which presses the form's cancel button.
    if (id == IDCANCEL && !child) {
        if (auto* cancel = static_cast<forms::Button*>(form_.Find(ButtonId(&forms::Button::isCancel))))
            cancel->Click();
        return;
    }
    if (ControlWindow* control = child ? ById(id) : nullptr) control->OnCommand(code);
}

LRESULT FormWindow::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (ControlWindow* control = ById(int(item.CtlID))) control->OnDrawItem(item);
            return TRUE;
        }
        case WM_MEASUREITEM: {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (ControlWindow* control = ById(int(item.CtlID))) control->OnMeasureItem(item);
            return TRUE;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
            if (ControlWindow* control = ByHandle(reinterpret_cast<HWND>(lParam)))
                if (HBRUSH brush = control->OnColor(reinterpret_cast<HDC>(wParam)))
                    return reinterpret_cast<LRESULT>(brush);
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, context_.background);
            return 1;
        }
        case DM_GETDEFID:
            if (int id = ButtonId(&forms::Button::isDefault)) return MAKELRESULT(id, DC_HASDEFID);
            return 0;
        case WM_DPICHANGED: {
            Layout(HIWORD(wParam));
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE:
            return 0;  // the window closes only through its own buttons
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = reinterpret_cast<FormWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_.reset(hwnd);
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window is gone: nothing may reach its realisation any more.
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_.release();
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    // No exception may cross into the system: an event that throws is abandoned.
    try {
        return self->HandleMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

}  // namespace qlr::win32
