#pragma once
// Keys, focus and activation of another program's user-interface thread.
#include <windows.h>

#include <string>

namespace qlr::wine_driver {

// The window with the keyboard focus, and the active window, of the thread that owns `window`.
HWND FocusOf(HWND window);
HWND ActiveOf(HWND window);
// Presses and releases a key in the window that has the keyboard focus on window's thread: the
// thread's message loop sees it as a user's key press.
void PressKey(HWND window, WORD virtualKey);
// Types the characters into the control, one WM_CHAR each, as a keyboard would.
void TypeText(HWND control, const std::string& text);

}  // namespace qlr::wine_driver
