#pragma once
// The window-system services the programs' procedures use, apart from their own windows.
#include <cstdint>
#include <string>

#include "platform/LocalTime.h"
#include "platform/WindowsValues.h"

namespace qlr::forms {
class Form;
}

namespace qlr {

using WindowHandle = std::uintptr_t;

class WindowSystem {
public:
    // A modal message box over the active window, style kMb... bits; returns the answer (kIdOk,
    // kIdYes, kIdNo).
    virtual int MsgBox(const std::string& text, const std::string& title, unsigned style) = 0;
    // Opens the form as a modal window over the active one: runs its start-up (Form_Load),
    // makes its window and shows it; returns once the form has closed (forms::Form::Close) and
    // its window is gone. Meanwhile the owner takes no input; afterwards it is active again,
    // with the keyboard focus where it was.
    virtual void ShowModal(forms::Form& form) = 0;
    // Handles every pending window event, waiting at most maxWaitMs for one to arrive first.
    virtual void ProcessEvents(std::uint32_t maxWaitMs) = 0;
    // Ends the program at once: no further event runs and nothing after this call executes.
    [[noreturn]] virtual void EndProgram() = 0;
    // A top-level window of the given class, any title; 0 when there is none.
    virtual WindowHandle FindTopLevelWindow(const std::string& className) = 0;
    // Asks the window to close (WM_CLOSE, both parameters 0) and waits until it has handled the
    // request, unless it is hung. With handle 0 nothing is delivered.
    virtual void SendCloseRequest(WindowHandle window) = 0;

protected:
    ~WindowSystem() = default;  // never deleted through this interface
};

// The time: a monotonic clock that never goes back, unaffected by the time of day, for measuring
// waits; and the local date and time of day, for naming what a user finds later.
class Clock {
public:
    virtual double NowMs() const = 0;
    virtual LocalTime LocalNow() const = 0;

protected:
    ~Clock() = default;  // never deleted through this interface
};

}  // namespace qlr
