#pragma once
// The window system of a run started with switches. Every message box goes into the run's log
// with its answer. At the window, boxes are shown as always. In an unattended run nothing is
// shown: a question gets the answer the command line gave, any other box is taken as read (OK),
// a modal window does not open, and ending the program hands control back to the runner (it
// throws RunEnded), which knows from where it was ended which exit code that is.
#include "common/RunLog.h"
#include "platform/WindowSystem.h"

namespace qlr {

struct RunEnded {};

// What a run at the window does just before the program ends: it writes the log's last line and
// sets the exit code.
class RunEndHook {
public:
    virtual void BeforeEnd() = 0;

protected:
    ~RunEndHook() = default;
};

class RecordedWindowSystem : public WindowSystem {
public:
    // screen: the real window system, which finds and closes the player's window and handles
    // the events of the program's own window.
    RecordedWindowSystem(WindowSystem& screen, RunLog& log, bool unattended, int questionAnswer = kIdNo)
        : screen_(screen), log_(log), unattended_(unattended), questionAnswer_(questionAnswer) {}

    int MsgBox(const std::string& text, const std::string& title, unsigned style) override;
    void ShowModal(forms::Form& form) override;
    void ProcessEvents(std::uint32_t maxWaitMs) override { screen_.ProcessEvents(maxWaitMs); }
    [[noreturn]] void EndProgram() override;
    WindowHandle FindTopLevelWindow(const std::string& className) override {
        return screen_.FindTopLevelWindow(className);
    }
    void SendCloseRequest(WindowHandle window) override { screen_.SendCloseRequest(window); }

    // Whether a question was answered No: the run ended because it may not go on.
    bool Declined() const { return declined_; }
    // At the window: called just before the program ends; none without switches.
    RunEndHook* beforeEnd = nullptr;

private:
    WindowSystem& screen_;
    RunLog& log_;
    bool unattended_;
    int questionAnswer_;
    bool declined_ = false;
};

}  // namespace qlr
