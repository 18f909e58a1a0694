#include "win32/Win32WindowSystem.h"

#include "forms/Controls.h"

namespace qlr::win32 {

void Win32WindowSystem::SetRealisation(HINSTANCE instance, ArtworkPainter painter,
                                       ControlRealiser realise) {
    instance_ = instance;
    painter_ = std::move(painter);
    realise_ = realise;
}

std::unique_ptr<FormWindow> Win32WindowSystem::Open(forms::Form& form, HWND owner) {
    form.Form_Load();
    return Realise(form, owner);
}

std::unique_ptr<FormWindow> Win32WindowSystem::Realise(forms::Form& form, HWND owner, bool takesInput) {
    auto window = std::make_unique<FormWindow>(form, instance_, painter_, realise_, owner, takesInput);
    if (!window->Create()) return nullptr;
    return window;
}

int Win32WindowSystem::MsgBox(const std::string& text, const std::string& title, unsigned style) {
    // Modal over whichever of the program's windows is active: the main window or a picker.
    HWND owner = GetActiveWindow();
    if (owner && !IsWindowVisible(owner)) owner = nullptr;
    // The box disables its owner, which takes the focus away from the owner's controls.
    HWND focus = GetFocus();
    const int answer = MessageBoxA(owner, text.c_str(), title.c_str(), style | (owner ? 0 : MB_SETFOREGROUND));
    if (focus && IsWindow(focus)) SetFocus(focus);
    return answer;
}

void Win32WindowSystem::ShowModal(forms::Form& form) {
    HWND owner = GetActiveWindow();
    std::unique_ptr<FormWindow> window = Open(form, owner);
    if (!window) return;
    // Taken before the owner is disabled, which takes the focus away from its controls.
    HWND focus = GetFocus();
    if (owner) EnableWindow(owner, FALSE);
    window->Show();
    MSG msg;
    while (!form.Closed()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // A quit request is for the main event loop: leave it there.
            if (got == 0) PostQuitMessage(int(msg.wParam));
            break;
        }
        Dispatch(msg);
    }
    // Enabled before the picker goes, so that the system activates the owner, not another program.
    if (owner) EnableWindow(owner, TRUE);
    window.reset();
    if (owner) SetActiveWindow(owner);
    if (focus && IsWindow(focus)) SetFocus(focus);
}

bool Win32WindowSystem::Dispatch(MSG& msg) {
    if (msg.message == WM_QUIT) return false;
    HWND active = GetActiveWindow();
    if (!active || !IsDialogMessageA(active, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void Win32WindowSystem::ProcessEvents(std::uint32_t maxWaitMs) {
    MsgWaitForMultipleObjectsEx(0, nullptr, maxWaitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!Dispatch(msg)) {
            // Leave the quit request for the main event loop.
            PostQuitMessage(int(msg.wParam));
            return;
        }
    }
}

void Win32WindowSystem::EndProgram() { ExitProcess(exitCode_); }

WindowHandle Win32WindowSystem::FindTopLevelWindow(const std::string& className) {
    return reinterpret_cast<WindowHandle>(FindWindowA(className.c_str(), nullptr));
}

void Win32WindowSystem::SendCloseRequest(WindowHandle window) {
    if (!window) return;
    // Wait while the window handles the request, but never on a hung program, and not for ever:
    // a responsive program handles WM_CLOSE well within this time, and one that stops responding
    // only after the request arrived must not keep the installer hidden for long.
    constexpr UINT kTimeoutMs = 10000;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(reinterpret_cast<HWND>(window), WM_CLOSE, 0, 0,
                        SMTO_NORMAL | SMTO_ABORTIFHUNG, kTimeoutMs, &result);
}

int Win32WindowSystem::RunEventLoop() {
    MSG msg;
    for (;;) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) return 1;
        if (!Dispatch(msg)) return int(msg.wParam);
    }
}

}  // namespace qlr::win32
