#pragma once
// A picture box: a window of its own class that paints the form's artwork at the window's DPI.
#include "win32/controls/ControlWindow.h"

namespace qlr::win32 {

class PictureWindow : public ControlWindow {
public:
    PictureWindow(forms::PictureBox& picture, FormContext& context)
        : ControlWindow(picture, context), picture_(picture) {}

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    Shape Describe() const override;
    void Show(forms::Change) override {}
    void Paint();

    forms::PictureBox& picture_;
};

}  // namespace qlr::win32
