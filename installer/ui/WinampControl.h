#pragma once
// Finds the media player's main window by its class and asks it to close.
#include "platform/WindowSystem.h"

namespace qlr::WinampControl {

inline constexpr const char* kWindowClass = "Winamp v1.x";

// The player's main window, or 0 when it is not running.
WindowHandle FindWinampWindow(WindowSystem& windows);
// Looks for the player's window afresh and sends it the close request; reports nothing.
void CloseWinamp(WindowSystem& windows);

}  // namespace qlr::WinampControl
