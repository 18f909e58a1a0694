#pragma once
// The window-system services over the Win32 API.
#include <windows.h>

#include "platform/WindowSystem.h"

namespace qlr::win32 {

class Win32WindowSystem : public WindowSystem {
public:
    // The program's main window: owner of message boxes once it is shown, and the window whose
    // keyboard navigation (Tab, Enter, access keys) the event loop handles.
    void SetMainWindow(HWND window) { main_ = window; }

    int MsgBox(const std::string& text, const std::string& title, unsigned style) override;
    void ProcessEvents(std::uint32_t maxWaitMs) override;
    [[noreturn]] void EndProgram() override;
    WindowHandle FindTopLevelWindow(const std::string& className) override;
    void SendCloseRequest(WindowHandle window) override;

    // Runs the event loop until WM_QUIT; returns its exit code.
    int RunEventLoop();

private:
    // Dispatches one message; false for WM_QUIT.
    bool Dispatch(MSG& msg);

    HWND main_ = nullptr;
};

}  // namespace qlr::win32
