#pragma once
// The window-system services over the Win32 API, and the realisation of the programs' forms.
#include <windows.h>

#include <memory>

#include "platform/WindowSystem.h"
#include "win32/FormWindow.h"

namespace qlr::win32 {

class Win32WindowSystem : public WindowSystem {
public:
    // What the forms' windows are made with: the program's module (resources, window classes),
    // the painter of picture boxes and the realisations of the kinds of control its forms have.
    void SetRealisation(HINSTANCE instance, ArtworkPainter painter, ControlRealiser realise);
    // Opens the form: runs its start-up (Form_Load), then makes its window, hidden, with its
    // controls, owned by owner; null when the system refuses the window.
    std::unique_ptr<FormWindow> Open(forms::Form& form, HWND owner);
    // Makes the window of a form whose start-up has run, as Open does after it; one that only
    // shows the form when takesInput is false (FormWindow).
    std::unique_ptr<FormWindow> Realise(forms::Form& form, HWND owner, bool takesInput = true);

    int MsgBox(const std::string& text, const std::string& title, unsigned style) override;
    void ShowModal(forms::Form& form) override;
    void ProcessEvents(std::uint32_t maxWaitMs) override;
    [[noreturn]] void EndProgram() override;
    WindowHandle FindTopLevelWindow(const std::string& className) override;
    void SendCloseRequest(WindowHandle window) override;

    // Runs the event loop until WM_QUIT; returns its exit code.
    int RunEventLoop();
    // The exit code EndProgram ends the process with (0 unless set).
    void SetExitCode(UINT code) { exitCode_ = code; }

private:
    // Dispatches one message, the dialog keys (Tab, Enter, Esc, access keys) to the active
    // window; false for WM_QUIT.
    static bool Dispatch(MSG& msg);

    HINSTANCE instance_ = nullptr;
    ArtworkPainter painter_;
    ControlRealiser realise_ = RealiseStandardControl;
    UINT exitCode_ = 0;
};

}  // namespace qlr::win32
