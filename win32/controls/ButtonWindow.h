#pragma once
// A push button: a BUTTON window; the form's default button is drawn as such.
#include "win32/controls/ControlWindow.h"

namespace qlr::win32 {

class ButtonWindow : public ControlWindow {
public:
    ButtonWindow(forms::Button& button, FormContext& context)
        : ControlWindow(button, context), button_(button) {}

    void OnCommand(int code) override {
        if (code == BN_CLICKED) button_.Click();
    }
    // The corners around the button show the form's background.
    HBRUSH OnColor(HDC) override { return context_.background; }

private:
    Shape Describe() const override {
        return {"BUTTON", button_.Caption(), DWORD(button_.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)};
    }
    void Show(forms::Change change) override {
        if (change == forms::Change::Text) SetWindowTextA(hwnd_, button_.Caption().c_str());
    }

    forms::Button& button_;
};

}  // namespace qlr::win32
