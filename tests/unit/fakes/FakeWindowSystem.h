#pragma once
// A recording window system: message boxes are answered from a script, events are logged, and
// ending the program throws ProgramEnded so a test can see that nothing after it ran. A modal
// form runs its start-up, as a real one does, then the test's script of the user's actions
// inside it (onModal); a form the script leaves open is logged, since a real modal loop would
// never return then.
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "forms/Controls.h"
#include "platform/WindowSystem.h"

namespace qlr::test {

struct ProgramEnded {};

struct ShownBox {
    std::string text, title;
    unsigned style;
};

class FakeWindowSystem : public WindowSystem {
public:
    int MsgBox(const std::string& text, const std::string& title, unsigned style) override {
        boxes.push_back({text, title, style});
        log.push_back("box:" + title);
        if (answers.empty()) return (style & kMbTypeMask) == kMbYesNo ? kIdYes : kIdOk;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowModal(forms::Form& form) override {
        log.push_back("modal:" + form.Title());
        form.Form_Load();
        if (onModal) onModal(form);
        if (!form.Closed()) log.push_back("left open:" + form.Title());
    }
    void ProcessEvents(std::uint32_t maxWaitMs) override {
        waits.push_back(maxWaitMs);
        if (onEvents) onEvents(maxWaitMs);
    }
    [[noreturn]] void EndProgram() override {
        log.push_back("end");
        throw ProgramEnded{};
    }
    WindowHandle FindTopLevelWindow(const std::string& className) override {
        log.push_back("find:" + className);
        auto it = windows.find(className);
        return it == windows.end() ? 0 : it->second;
    }
    // The window closes, unless it is one that stays open.
    void SendCloseRequest(WindowHandle window) override {
        log.push_back("close:" + std::to_string(window));
        if (staysOpen.count(window)) return;
        for (auto it = windows.begin(); it != windows.end();)
            it = it->second == window ? windows.erase(it) : std::next(it);
    }

    std::deque<int> answers;                      // answers to the next message boxes
    std::map<std::string, WindowHandle> windows;  // open top-level windows by class
    std::set<WindowHandle> staysOpen;             // windows the close request does not close
    std::vector<ShownBox> boxes;
    std::vector<std::string> log;
    std::vector<std::uint32_t> waits;
    std::function<void(std::uint32_t)> onEvents;  // runs inside ProcessEvents
    std::function<void(forms::Form&)> onModal;    // the user, inside a modal form
};

// A clock that stands still until a test moves it.
class FakeClock : public Clock {
public:
    double NowMs() const override { return now; }
    LocalTime LocalNow() const override { return local; }
    double now = 0;
    LocalTime local{2026, 3, 7, 9, 5, 4};
};

}  // namespace qlr::test
