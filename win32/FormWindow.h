#pragma once
// Realises a portable form as a real window: a fixed dialog frame without a title bar, with one
// child window per control, each made and served by the realisation of its kind. The frame hands
// each child's notifications, colours and owner drawing to its realisation, and lays the controls
// out for the window's DPI.
#include <windows.h>

#include <memory>
#include <vector>

#include "forms/Controls.h"
#include "win32/Handle.h"
#include "win32/controls/ControlWindow.h"
#include "win32/controls/RealiseControl.h"

namespace qlr::win32 {

class FormWindow {
public:
    // owner: the window the form's window stays above and is centred over (Placement::
    // CenterOwner); none for a program's main window, which then gets a hidden owner of its own
    // that keeps it out of the taskbar unless the form asks to be there.
    // realise: the realisations its controls get (win32/controls/RealiseControl.h).
    // takesInput false: the window only shows the form, disabled from the start, and no
    // notification of its controls reaches the form (not even a click sent to a button).
    FormWindow(forms::Form& form, HINSTANCE instance, ArtworkPainter painter, ControlRealiser realise,
               HWND owner = nullptr, bool takesInput = true);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow();

    // Creates the window and its controls, hidden; false when the system refuses.
    bool Create();
    // Places the window, shows it and gives the first control of the tab order the focus (in a
    // window that takes input).
    void Show();
    HWND Handle() const { return hwnd_.get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void Layout(UINT dpi);
    void Place();
    ControlWindow* ById(int id) const;
    ControlWindow* ByHandle(HWND window) const;
    void OnCommand(int id, int code, HWND child);
    // The id of the form's default button (isDefault), or of its cancel button (isCancel); 0 when
    // it has none.
    int ButtonId(bool forms::Button::*role) const;

    forms::Form& form_;
    ControlRealiser realise_;
    HWND owner_;
    UniqueGdi background_;
    UniqueIcon bigIcon_, smallIcon_;
    std::unique_ptr<FontCache> fonts_;
    FormContext context_;
    std::vector<std::unique_ptr<ControlWindow>> controls_;
    // Destroyed first: the child windows go with it, before their realisations.
    UniqueWindow hiddenOwner_;
    UniqueWindow hwnd_;
};

}  // namespace qlr::win32
