#pragma once
// Realises a portable form as a real window: a fixed dialog frame without a title bar, centred,
// with one child window per control. Changes made in code reach the child windows; the user's
// edits and clicks reach the model. Geometry and fonts follow the window's DPI.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <tuple>

#include "forms/Controls.h"
#include "platform/win32/Handle.h"

namespace qlr::win32 {

// Paints a picture box's artwork into rect, for the given DPI.
using ArtworkPainter = std::function<void(HDC dc, const RECT& rect, UINT dpi, const std::string& artwork)>;

class FormWindow : private forms::ControlView {
public:
    FormWindow(forms::Form& form, HINSTANCE instance, ArtworkPainter painter);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow() override;

    // Creates the window and its controls, hidden; false when the system refuses.
    bool Create();
    // Centres the window on its monitor, shows it and gives the first control the focus.
    void Show();
    HWND Handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void Refresh(const forms::Control& control) override;
    HWND CreateChild(forms::Control& control);
    void Layout(UINT dpi);
    HFONT FontFor(const forms::Font& font);
    void FitLabel(const forms::Control& control);
    void DrawLabel(const DRAWITEMSTRUCT& item);
    static int TextWidth(HDC dc, const std::string& text);
    void OnCommand(int id, int code, HWND child);
    int DefaultButtonId() const;

    forms::Form& form_;
    HINSTANCE instance_;
    ArtworkPainter painter_;
    HWND owner_ = nullptr;  // hidden owner: keeps the window out of the taskbar
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    bool updating_ = false;  // set while code changes a child, so its notifications are ignored
    std::map<int, HWND> children_;
    std::map<std::tuple<std::string, int, bool>, UniqueGdi> fonts_;
    UniqueGdi background_;
};

}  // namespace qlr::win32
