#pragma once
// Drives Windows programs through their windows, the way a user does, for end-to-end tests under
// Wine. It knows no program in particular. Every wait is bounded: a wait that runs out, or a
// window that is not there, throws DriverError with a message that says what was awaited.
#include <windows.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qlr::wine_driver {

class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "<what> failed (error N)", with the calling thread's last error.
std::string LastErrorText(const std::string& what);

// The default bound of a wait for a window or a process; how often a wait looks again; how long
// one message to another program may take.
inline constexpr DWORD kWaitMs = 10000;
inline constexpr DWORD kPollMs = 10;
inline constexpr UINT kSendTimeoutMs = 5000;

// A program started by the driver. Owns the process handle; a process still running when its
// owner goes away is ended.
class Process {
public:
    // Starts `exe` with the arguments (each quoted as needed) in `currentDirectory`.
    static Process Start(const std::string& exe, const std::vector<std::string>& args,
                         const std::string& currentDirectory);
    // Starts `exe` with its arguments written out as a script writes them, quotes and all.
    static Process StartWritten(const std::string& exe, const std::string& arguments,
                                const std::string& currentDirectory);

    Process() = default;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    bool Started() const { return handle_ != nullptr; }
    DWORD Id() const { return id_; }
    const std::string& Name() const { return name_; }
    bool Running() const;
    // The exit code once the process has ended within the time, otherwise nothing.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
    // Like WaitForExit, but a process still running then is a failure.
    DWORD ExpectExit(DWORD timeoutMs = kWaitMs) const;
    // Ends the process at once if it still runs, and waits until it has ended.
    void Kill();

private:
    static Process StartCommandLine(const std::string& exe, const std::string& commandLine,
                                    const std::string& currentDirectory);

    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
    std::string name_;
};

// A command line in which every argument reaches the program's argv unchanged.
std::string QuoteArgument(const std::string& argument);
// The program and its arguments as a writable, NUL-terminated command line for CreateProcess.
std::vector<char> CommandLine(const std::string& exe, const std::vector<std::string>& args);

// Window facts, read without waiting on the window's thread.
std::string ClassName(HWND window);
std::string Title(HWND window);
// A message box: a dialog of class "#32770" with the text control 0xFFFF.
bool IsMessageBox(HWND window);
// The process's visible top-level windows, in z-order.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);

// Waits for a visible top-level window of the process that `match` accepts. Fails as soon as the
// process ends, or when the time runs out.
HWND WaitForWindow(const Process& process, const std::function<bool(HWND)>& match,
                   const std::string& what, DWORD timeoutMs = kWaitMs);
// The process's main window: visible, top-level, not a message box.
HWND WaitForMainWindow(const Process& process, DWORD timeoutMs = kWaitMs);
HWND WaitForMessageBox(const Process& process, DWORD timeoutMs = kWaitMs);
// Waits for the process to end, looking at its windows meanwhile: one that shows is a failure.
// Returns the exit code.
DWORD ExpectExitShowingNothing(const Process& process, DWORD timeoutMs = kWaitMs);
// Waits until the window is gone or hidden.
void WaitUntilGone(HWND window, const std::string& what, DWORD timeoutMs = kWaitMs);

struct MessageBoxContent {
    std::string title;
    std::string text;
    std::vector<int> buttons;  // ids of the buttons shown, in creation order (IDYES 6, IDNO 7, ...)
};
MessageBoxContent ReadMessageBox(HWND box);

// Sends a message to another program's window and returns its answer; fails when no answer comes
// within a few seconds. `what` names the action for the failure message.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what);

// A child control by its id; fails when there is none.
HWND Control(HWND window, int id);
// A control's text through WM_GETTEXT; works across processes, for hidden controls too.
std::string ControlText(HWND window, int id);
// Replaces a control's text through WM_SETTEXT, as typing the whole text would.
void SetControlText(HWND window, int id, const std::string& text);
// Clicks a button by posting BM_CLICK: the driver goes on even when the click opens a modal box.
// Works for message box buttons too (IDOK 1, IDYES 6, IDNO 7).
void ClickButton(HWND window, int id);

// A Windows path for a path of the Linux host, through Wine's drive Z:.
std::string HostPath(const std::string& unixPath);

}  // namespace qlr::wine_driver
