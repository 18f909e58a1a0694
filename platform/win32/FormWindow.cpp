#include "platform/win32/FormWindow.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace qlr::win32 {

namespace {

const char kFormClass[] = "QuilloraForm";
const char kPictureClass[] = "QuilloraPicture";
const DWORD kFormStyle = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
const DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

template <typename Fn>
Fn User32Function(const char* name) {
    return reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

// The window's DPI where the system tells it per window (Windows 10), else the screen's.
UINT DpiOf(HWND hwnd) {
    auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (getDpiForWindow && hwnd)
        if (UINT dpi = getDpiForWindow(hwnd)) return dpi;
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : 96;
}

void AdjustForDpi(RECT& rect, UINT dpi) {
    auto adjust = User32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(
        "AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&rect, kFormStyle, FALSE, kFormExStyle, dpi))
        AdjustWindowRectEx(&rect, kFormStyle, FALSE, kFormExStyle);
}

COLORREF ColorOf(const forms::Color& color, int fallbackIndex) {
    switch (color.kind) {
        case forms::Color::Kind::Rgb: return COLORREF(color.value);
        case forms::Color::Kind::System: return GetSysColor(int(color.value));
        default: return GetSysColor(fallbackIndex);
    }
}

int CALLBACK NoteFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontInstalled(const char* face) {
    LOGFONTA query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(query.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &query, NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// "MS Sans Serif" is a bitmap font on Windows; its outline twin stays sharp at any scale.
std::string OutlineFace(const std::string& face) {
    if (face == "MS Sans Serif" && FontInstalled("Microsoft Sans Serif")) return "Microsoft Sans Serif";
    return face;
}

void RegisterClasses(HINSTANCE instance, WNDPROC formProc, WNDPROC pictureProc) {
    WNDCLASSEXA form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = formProc;
    form.hInstance = instance;
    form.hCursor = LoadCursor(nullptr, IDC_ARROW);
    form.lpszClassName = kFormClass;
    RegisterClassExA(&form);

    WNDCLASSEXA picture = form;
    picture.style = CS_HREDRAW | CS_VREDRAW;
    picture.lpfnWndProc = pictureProc;
    picture.lpszClassName = kPictureClass;
    RegisterClassExA(&picture);
}

}  // namespace

FormWindow::FormWindow(forms::Form& form, HINSTANCE instance, ArtworkPainter painter)
    : form_(form), instance_(instance), painter_(std::move(painter)) {}

FormWindow::~FormWindow() {
    for (forms::Control* control : form_.Controls()) control->AttachView(nullptr);
    if (hwnd_) DestroyWindow(hwnd_);
    if (owner_) DestroyWindow(owner_);
}

bool FormWindow::Create() {
    RegisterClasses(instance_, WindowProc, PictureProc);
    background_.reset(CreateSolidBrush(ColorOf(form_.background, COLOR_BTNFACE)));
    if (!form_.showInTaskbar)
        owner_ = CreateWindowExA(0, "STATIC", form_.Title().c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                                 nullptr, instance_, nullptr);
    hwnd_ = CreateWindowExA(kFormExStyle, kFormClass, form_.Title().c_str(), kFormStyle, 0, 0, 0, 0,
                            owner_, nullptr, instance_, this);
    if (!hwnd_) return false;
    if (!form_.icon.empty()) {
        auto big = LoadImageA(instance_, form_.icon.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                              GetSystemMetrics(SM_CYICON), 0);
        auto small = LoadImageA(instance_, form_.icon.c_str(), IMAGE_ICON,
                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0);
        SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
    for (forms::Control* control : form_.Controls()) {
        children_[control->Id()] = CreateChild(*control);
        control->AttachView(this);
    }
    Layout(DpiOf(hwnd_));
    return true;
}

HWND FormWindow::CreateChild(forms::Control& control) {
    const char* windowClass = "STATIC";
    std::string text;
    DWORD style = WS_CHILD | (control.Visible() ? WS_VISIBLE : 0) |
                  (control.Enabled() ? 0 : WS_DISABLED) | (control.tabStop ? WS_TABSTOP : 0);
    DWORD exStyle = 0;
    switch (control.kind()) {
        case forms::Kind::Label:
            // Drawn here, so that colours and line breaks are the same on every system.
            text = static_cast<forms::Label&>(control).Caption();
            style |= SS_NOPREFIX | SS_OWNERDRAW;
            break;
        case forms::Kind::TextBox: {
            auto& box = static_cast<forms::TextBox&>(control);
            windowClass = "EDIT";
            text = box.Text();
            style |= ES_AUTOHSCROLL | (box.ReadOnly() ? ES_READONLY : 0);
            exStyle = WS_EX_CLIENTEDGE;
            break;
        }
        case forms::Kind::Button: {
            auto& button = static_cast<forms::Button&>(control);
            windowClass = "BUTTON";
            text = button.Caption();
            style |= button.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            break;
        }
        case forms::Kind::PictureBox:
            windowClass = kPictureClass;
            exStyle = WS_EX_CLIENTEDGE;
            break;
    }
    return CreateWindowExA(exStyle, windowClass, text.c_str(), style, 0, 0, 0, 0, hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.Id())), instance_,
                           this);
}

void FormWindow::Layout(UINT dpi) {
    dpi_ = dpi;
    auto scale = [dpi](int pixels) { return MulDiv(pixels, int(dpi), 96); };
    for (forms::Control* control : form_.Controls()) {
        HWND child = children_[control->Id()];
        const forms::Rect& r = control->Bounds();
        // Edges are scaled, not sizes: controls that touch at 96 dpi still touch at any scale.
        const int left = scale(r.left), top = scale(r.top);
        SetWindowPos(child, nullptr, left, top, scale(r.left + r.width) - left,
                     scale(r.top + r.height) - top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control->font)), TRUE);
        FitLabel(*control);
    }
    RECT frame{0, 0, scale(form_.ClientWidth()), scale(form_.ClientHeight())};
    AdjustForDpi(frame, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int FormWindow::TextWidth(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    return size.cx;
}

void FormWindow::FitLabel(const forms::Control& control) {
    if (control.kind() != forms::Kind::Label || !static_cast<const forms::Label&>(control).autoSize)
        return;
    HWND child = children_[control.Id()];
    HDC dc = GetDC(child);
    HGDIOBJ old = SelectObject(dc, FontFor(control.font));
    int width = TextWidth(dc, static_cast<const forms::Label&>(control).Caption());
    SelectObject(dc, old);
    ReleaseDC(child, dc);
    RECT r;
    GetClientRect(child, &r);
    SetWindowPos(child, nullptr, 0, 0, width + 1, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void FormWindow::DrawLabel(const DRAWITEMSTRUCT& item) {
    auto* label = static_cast<forms::Label*>(form_.Find(int(item.CtlID)));
    if (!label) return;
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    FillRect(dc, &r, static_cast<HBRUSH>(background_.get()));
    HGDIOBJ old = SelectObject(dc, FontFor(label->font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorOf(label->foreground, COLOR_BTNTEXT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int available = label->autoSize ? INT_MAX : r.right - r.left;
    int top = r.top;
    for (const std::string& line :
         forms::WrapText(label->Caption(), available, [dc](const std::string& t) { return TextWidth(dc, t); })) {
        RECT lineRect{r.left, top, r.right, top + metrics.tmHeight};
        UINT align = label->align == forms::Align::Center ? DT_CENTER : DT_LEFT;
        DrawTextA(dc, line.c_str(), int(line.size()), &lineRect, align | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        top += metrics.tmHeight;
        if (top >= r.bottom) break;
    }
    SelectObject(dc, old);
}

HFONT FormWindow::FontFor(const forms::Font& font) {
    const int height = -MulDiv(int(font.points * 100 + 0.5), int(dpi_), 7200);
    UniqueGdi& slot = fonts_[{font.face, height, font.bold}];
    if (!slot)
        slot.reset(CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                               DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                               CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               OutlineFace(font.face).c_str()));
    return static_cast<HFONT>(slot.get());
}

void FormWindow::Show() {
    RECT window;
    GetWindowRect(hwnd_, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const int width = window.right - window.left, height = window.bottom - window.top;
    // Centred, but never with its top left corner off the screen.
    const int left = area.left + (std::max)(0L, (area.right - area.left - width) / 2);
    const int top = area.top + (std::max)(0L, (area.bottom - area.top - height) / 2);
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Moving to another monitor may have changed the DPI.
    if (UINT dpi = DpiOf(hwnd_); dpi != dpi_) Layout(dpi);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) SetFocus(first);
    UpdateWindow(hwnd_);
}

void FormWindow::Refresh(const forms::Control& control) {
    HWND child = children_[control.Id()];
    if (!child) return;
    updating_ = true;
    switch (control.kind()) {
        case forms::Kind::Label:
            SetWindowTextA(child, static_cast<const forms::Label&>(control).Caption().c_str());
            FitLabel(control);
            break;
        case forms::Kind::TextBox: {
            auto& box = static_cast<const forms::TextBox&>(control);
            SetWindowTextA(child, box.Text().c_str());
            SendMessageA(child, EM_SETREADONLY, box.ReadOnly(), 0);
            break;
        }
        case forms::Kind::Button:
            SetWindowTextA(child, static_cast<const forms::Button&>(control).Caption().c_str());
            break;
        case forms::Kind::PictureBox: break;
    }
    const bool enabled = control.Enabled();
    if (!enabled && GetFocus() == child) {
        // A disabled control cannot keep the keyboard focus: hand it on.
        HWND next = GetNextDlgTabItem(hwnd_, child, FALSE);
        SetFocus(next && next != child ? next : hwnd_);
    }
    if (bool(IsWindowEnabled(child)) != enabled) EnableWindow(child, enabled);
    if (bool(IsWindowVisible(child)) != control.Visible())
        ShowWindow(child, control.Visible() ? SW_SHOWNA : SW_HIDE);
    updating_ = false;
}

int FormWindow::DefaultButtonId() const {
    for (forms::Control* control : form_.Controls())
        if (control->kind() == forms::Kind::Button && static_cast<forms::Button*>(control)->isDefault)
            return control->Id();
    return 0;
}

void FormWindow::OnCommand(int id, int code, HWND child) {
    forms::Control* control = child ? form_.Find(id) : nullptr;
    if (!control) return;
    if (control->kind() == forms::Kind::Button && code == BN_CLICKED) {
        static_cast<forms::Button*>(control)->Click();
    } else if (control->kind() == forms::Kind::TextBox && code == EN_CHANGE && !updating_) {
        std::string text(size_t(GetWindowTextLengthA(child)) + 1, '\0');
        text.resize(size_t(GetWindowTextA(child, text.data(), int(text.size()))));
        static_cast<forms::TextBox*>(control)->TextEditedByUser(text);
    }
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_DRAWITEM:
            DrawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(background_.get());
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, static_cast<HBRUSH>(background_.get()));
            return 1;
        }
        case DM_GETDEFID:
            if (int id = DefaultButtonId()) return MAKELRESULT(id, DC_HASDEFID);
            return 0;
        case WM_DPICHANGED: {
            auto old = std::move(fonts_);
            fonts_.clear();
            Layout(HIWORD(wParam));
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE:
            return 0;  // the window closes only through its own buttons
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        reinterpret_cast<FormWindow*>(create->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    // No exception may cross into the system: an event that throws is abandoned.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT CALLBACK FormWindow::PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_PAINT && self) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        auto* picture = static_cast<forms::PictureBox*>(self->form_.Find(GetDlgCtrlID(hwnd)));
        try {
            if (picture && self->painter_) self->painter_(dc, client, self->dpi_, picture->artwork);
        } catch (...) {
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    if (message == WM_LBUTTONDOWN) SetFocus(hwnd);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace qlr::win32
