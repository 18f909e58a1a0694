#include "driver/Keyboard.h"

#include "driver/Driver.h"

namespace qlr::wine_driver {

namespace {

GUITHREADINFO ThreadInfo(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!thread || !GetGUIThreadInfo(thread, &info))
        throw DriverError("no user-interface thread for window " + Title(window));
    return info;
}

}  // namespace

HWND FocusOf(HWND window) { return ThreadInfo(window).hwndFocus; }
HWND ActiveOf(HWND window) { return ThreadInfo(window).hwndActive; }

void PressKey(HWND window, WORD virtualKey) {
    HWND focus = FocusOf(window);
    if (!focus) throw DriverError("no window has the keyboard focus on the thread of " + Title(window));
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(focus, WM_KEYDOWN, virtualKey, LPARAM(1 | (scan << 16)));
    PostMessageA(focus, WM_KEYUP, virtualKey, LPARAM(1 | (scan << 16) | (3u << 30)));
}

void TypeText(HWND control, const std::string& text) {
    for (char c : text) PostMessageA(control, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
}

}  // namespace qlr::wine_driver
