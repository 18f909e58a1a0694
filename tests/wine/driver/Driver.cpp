#include "driver/Driver.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace qlr::wine_driver {

namespace {

std::string Hex(std::uintptr_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string Describe(HWND window);

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectShownButtons(HWND child, LPARAM param) {
    char name[16] = "";
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Button") == 0 && IsWindowVisible(child))
        reinterpret_cast<std::vector<int>*>(param)->push_back(GetDlgCtrlID(child));
    return TRUE;
}

std::string Describe(HWND window) {
    return "\"" + Title(window) + "\" (class " + ClassName(window) + ")";
}

}  // namespace

std::string LastErrorText(const std::string& what) {
    return what + " failed (error " + std::to_string(GetLastError()) + ")";
}

// Not SMTO_ABORTIFHUNG: a program that has just come back from a long blocking call counts as
// hung until it next looks for messages, and the send would fail at once although the program is
// about to answer.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                    const std::string& what) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs,
                             &result))
        throw DriverError(what + " of " + Describe(GetAncestor(window, GA_ROOT)) +
                          ": no answer within " + std::to_string(kSendTimeoutMs) +
                          " ms (error " + std::to_string(GetLastError()) + ")");
    return static_cast<LRESULT>(result);
}

// ---- windows

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Title(HWND window) {
    // For another process's window this reads the stored title without sending a message.
    char title[1024] = "";
    GetWindowTextA(window, title, sizeof title);
    return title;
}

bool IsMessageBox(HWND window) {
    return ClassName(window) == "#32770" && GetDlgItem(window, 0xFFFF) != nullptr;
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const Process& process, const std::function<bool(HWND)>& match,
                   const std::string& what, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        std::vector<HWND> windows = VisibleTopLevelWindows(process.Id());
        auto it = std::find_if(windows.begin(), windows.end(), match);
        if (it != windows.end()) return *it;
        if (std::optional<DWORD> code = process.WaitForExit(0))
            throw DriverError(process.Name() + " ended (exit code " + Hex(*code) +
                              ") while waiting for " + what);
        if (GetTickCount64() >= deadline) {
            std::string seen;
            for (HWND window : windows) seen += " " + Describe(window);
            throw DriverError("no " + what + " of " + process.Name() + " within " +
                              std::to_string(timeoutMs) + " ms; its visible windows:" +
                              (seen.empty() ? " none" : seen));
        }
        Sleep(kPollMs);
    }
}

HWND WaitForMainWindow(const Process& process, DWORD timeoutMs) {
    return WaitForWindow(
        process,
        [](HWND window) { return !IsMessageBox(window); },
        "main window", timeoutMs);
}

HWND WaitForMessageBox(const Process& process, DWORD timeoutMs) {
    return WaitForWindow(process, IsMessageBox, "message box", timeoutMs);
}

DWORD ExpectExitShowingNothing(const Process& process, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        const std::vector<HWND> shown = VisibleTopLevelWindows(process.Id());
        if (!shown.empty())
            throw DriverError(process.Name() + " shows " + Describe(shown.front()));
        if (std::optional<DWORD> code = process.WaitForExit(kPollMs)) return *code;
        if (GetTickCount64() >= deadline)
            throw DriverError(process.Name() + " still runs " + std::to_string(timeoutMs) + " ms after its start");
    }
}

void WaitUntilGone(HWND window, const std::string& what, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount64() >= deadline)
            throw DriverError(what + " still shown after " + std::to_string(timeoutMs) + " ms");
        Sleep(kPollMs);
    }
}

MessageBoxContent ReadMessageBox(HWND box) {
    if (!IsMessageBox(box)) throw DriverError(Describe(box) + " is not a message box");
    MessageBoxContent content{Title(box), ControlText(box, 0xFFFF), {}};
    EnumChildWindows(box, CollectShownButtons, reinterpret_cast<LPARAM>(&content.buttons));
    return content;
}

HWND Control(HWND window, int id) {
    HWND control = GetDlgItem(window, id);
    if (!control)
        throw DriverError(Describe(window) + " has no control with id " + std::to_string(id));
    return control;
}

std::string ControlText(HWND window, int id) {
    HWND control = Control(window, id);
    const std::string what = "reading the text of control " + std::to_string(id);
    const auto length = static_cast<std::size_t>(SendBounded(control, WM_GETTEXTLENGTH, 0, 0, what));
    std::string text(length + 1, '\0');
    const auto copied = static_cast<std::size_t>(
        SendBounded(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), what));
    text.resize(std::min(copied, length));
    return text;
}

void SetControlText(HWND window, int id, const std::string& text) {
    HWND control = Control(window, id);
    if (!SendBounded(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                     "setting the text of control " + std::to_string(id)))
        throw DriverError("control " + std::to_string(id) + " refused the text \"" + text + "\"");
}

void ClickButton(HWND window, int id) {
    HWND button = Control(window, id);
    if (!IsWindowEnabled(button))
        throw DriverError("button " + std::to_string(id) + " of " + Describe(window) +
                          " is disabled");
    if (!PostMessageA(button, BM_CLICK, 0, 0))
        throw DriverError(LastErrorText("clicking button " + std::to_string(id)));
}

std::string HostPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace qlr::wine_driver
