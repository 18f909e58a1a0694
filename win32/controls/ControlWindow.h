#pragma once
// The realisation of one control of a form as a child window. Each kind of control has its own
// (RealiseControl makes the one a control needs); the form's frame hands them the messages that
// concern them: their notifications, colours, owner drawing.
#include <windows.h>

#include <functional>
#include <string>

#include "forms/Controls.h"
#include "win32/Handle.h"
#include "win32/controls/FontCache.h"

namespace qlr::win32 {

// Paints a picture box's artwork into rect, for the given DPI.
using ArtworkPainter = std::function<void(HDC dc, const RECT& rect, UINT dpi, const std::string& artwork)>;

// What the controls of one form window share, owned by the frame.
struct FormContext {
    HINSTANCE instance = nullptr;
    HWND frame = nullptr;
    HBRUSH background = nullptr;  // the form's background
    ArtworkPainter painter;
    FontCache* fonts = nullptr;   // for the window's current DPI
    // False for a window that only shows its form: the frame and every control that takes input
    // are disabled, whatever the form says.
    bool takesInput = true;
};

COLORREF ColorOf(const forms::Color& color, COLORREF fallback);

class ControlWindow : public forms::ControlView {
public:
    ControlWindow(forms::Control& control, FormContext& context);
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;
    ~ControlWindow() override;

    // Creates the child window with the control's state; false when the system refuses. Its
    // creation order is its place in the tab order.
    bool Create();
    HWND Handle() const { return hwnd_; }
    forms::Control& Model() const { return control_; }

    // Places and sizes the window and gives it its font, for the frame's DPI.
    virtual void Layout();
    // A notification (WM_COMMAND) from the child window.
    virtual void OnCommand(int /*code*/) {}
    virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
    virtual void OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) {}
    // WM_CTLCOLOR...: sets the colours into dc and returns the background brush; nullptr leaves
    // the system's colours.
    virtual HBRUSH OnColor(HDC dc);
    // True for the child window and the windows that belong to it (a drop-down list).
    virtual bool Owns(HWND window) const { return window == hwnd_; }

protected:
    struct Shape {
        const char* windowClass;
        std::string text;
        DWORD style = 0;
        DWORD exStyle = 0;
    };
    virtual Shape Describe() const = 0;
    // Fills a new window with what the control holds beyond its text.
    virtual void Populate() {}
    // Shows a change made in code; enabled and visible are handled for every kind.
    virtual void Show(forms::Change change) = 0;

    // Colours where the control names none.
    virtual COLORREF DefaultBackground() const { return GetSysColor(COLOR_WINDOW); }
    virtual COLORREF DefaultText() const { return GetSysColor(COLOR_WINDOWTEXT); }
    COLORREF BackgroundColor() const { return ColorOf(control_.background, DefaultBackground()); }
    COLORREF TextColor() const { return ColorOf(control_.foreground, DefaultText()); }
    // A brush of the control's background colour.
    HBRUSH BackgroundBrush();
    HFONT Font() const { return context_.fonts->Get(control_.font); }
    UINT Dpi() const { return context_.fonts->Dpi(); }
    RECT Placement() const;

    FormContext& context_;
    HWND hwnd_ = nullptr;

private:
    void Refresh(const forms::Control& control, forms::Change change) final;
    void ShowState();
    // Whether the window is enabled: as the control says, in a window that takes input. In one
    // that takes none a text box stays enabled and is read-only instead (TextBoxWindow), so that
    // its text keeps its colours.
    bool ShownEnabled() const;

    forms::Control& control_;
    UniqueGdi brush_;
};

}  // namespace qlr::win32
