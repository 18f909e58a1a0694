#include "win32/controls/PictureWindow.h"

#include "win32/WindowClass.h"

namespace qlr::win32 {

namespace {

const char kPictureClass[] = "QuilloraPicture";

}  // namespace

ControlWindow::Shape PictureWindow::Describe() const {
    // Should the class fail to register, creating the window fails, and so does the form's.
    RegisterWindowClass(context_.instance, kPictureClass, WindowProc, CS_HREDRAW | CS_VREDRAW);
    return {kPictureClass, {}, 0, WS_EX_CLIENTEDGE};
}

void PictureWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT client;
    GetClientRect(hwnd_, &client);
    try {
        if (context_.painter) context_.painter(dc, client, Dpi(), picture_.artwork);
    } catch (...) {
        // A picture that cannot be painted stays empty; nothing may cross into the system.
    }
    EndPaint(hwnd_, &paint);
}

LRESULT CALLBACK PictureWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = static_cast<PictureWindow*>(
        reinterpret_cast<ControlWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
    if (message == WM_PAINT && self) {
        self->hwnd_ = hwnd;
        self->Paint();
        return 0;
    }
    // It takes the focus when clicked, like the other controls of the tab order.
    if (message == WM_LBUTTONDOWN) SetFocus(hwnd);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace qlr::win32
