// The driver on its own, against a list box on a thread of this program that stands in for
// another program's: a list refilled while it is read, one that changes at every read; and its
// waits: one in vain says what it saw last, a stalled step ends the program saying so.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <thread>

#include "driver/Driver.h"
#include "driver/Lists.h"
#include "driver/Wait.h"

namespace driver = qlr::wine_driver;

namespace {

constexpr int kList = 100;

// A list box in a window of its own thread. `hook` sees each message to the list before the
// list does.
class ThreadList {
public:
    explicit ThreadList(std::vector<std::string> items, std::function<void(HWND list, UINT message)> hook)
        : hook_(std::move(hook)) {
        std::promise<HWND> made;
        std::future<HWND> window = made.get_future();
        thread_ = std::thread([&] {
            HWND parent = CreateWindowExA(0, "STATIC", "lists", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                          nullptr, nullptr);
            HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_HASSTRINGS, 0, 0, 200, 200, parent,
                                        reinterpret_cast<HMENU>(kList), nullptr, nullptr);
            for (const std::string& item : items) SendMessageA(list, LB_ADDSTRING, 0, LPARAM(item.c_str()));
            SetWindowLongPtrA(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            // A Unicode procedure, as the system's list has: the driver's messages reach it unconverted.
            listProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(list, GWLP_WNDPROC, LONG_PTR(Proc)));
            threadId_ = GetCurrentThreadId();
            made.set_value(parent);
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
            DestroyWindow(parent);
        });
        window_ = window.get();
    }
    ~ThreadList() {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
    HWND Window() const { return window_; }

    // Fills the list with these entries, from the hook.
    static void Refill(HWND list, const std::vector<std::string>& items) {
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (const std::string& item : items) SendMessageA(list, LB_ADDSTRING, 0, LPARAM(item.c_str()));
    }

private:
    static LRESULT CALLBACK Proc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<ThreadList*>(GetWindowLongPtrA(list, GWLP_USERDATA));
        self->hook_(list, message);
        return CallWindowProcW(self->listProc_, list, message, wParam, lParam);
    }

    std::function<void(HWND, UINT)> hook_;
    WNDPROC listProc_ = nullptr;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
    std::thread thread_;
};

TEST(DriverLists, AListRefilledWhileItIsReadIsReadAgain) {
    int refills = 0;
    ThreadList lists({"b.pls", "Main.M3U"}, [&](HWND list, UINT message) {
        // First emptied after it was counted: the entries asked for are gone. Then, between the
        // length of an entry and its text, refilled with a longer one.
        if (message == LB_GETTEXTLEN && refills == 0) {
            ++refills;
            ThreadList::Refill(list, {});
        } else if (message == LB_GETTEXT && refills == 1) {
            ++refills;
            ThreadList::Refill(list, {"a playlist with a much longer name.m3u", "c.m3u"});
        }
    });
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(driver::ListItems(lists.Window(), kList), std::vector<std::string>{});
    SendMessageA(driver::Control(lists.Window(), kList), LB_ADDSTRING, 0, LPARAM("b.pls"));
    EXPECT_EQ(driver::ListItems(lists.Window(), kList),
              (std::vector<std::string>{"a playlist with a much longer name.m3u", "c.m3u"}));
    EXPECT_EQ(refills, 2);
    EXPECT_LT(GetTickCount64() - start, 2000u);
}

TEST(DriverLists, AListThatChangesAtEveryReadFailsSayingSo) {
    int added = 0;
    ThreadList lists({"a"}, [&](HWND list, UINT message) {
        if (message == LB_GETCOUNT) ThreadList::Refill(list, std::vector<std::string>(size_t(++added % 3), "x"));
    });
    try {
        driver::ListItems(lists.Window(), kList);
        FAIL() << "a list that never holds still was read";
    } catch (const driver::DriverError& error) {
        EXPECT_NE(std::string(error.what()).find("list 100 of \"lists\" changed during each of 5 reads"),
                  std::string::npos) << error.what();
    }
}

TEST(DriverWaits, AWaitInVainSaysWhatItSawLast) {
    int asked = 0;
    try {
        driver::WaitUntil([&](std::string& seen) { return (seen = "look " + std::to_string(++asked)).empty(); },
                          "a thing that never comes", 50);
        FAIL() << "the wait ended without its condition";
    } catch (const driver::DriverError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "waited 50 ms in vain for a thing that never comes; last seen: look " + std::to_string(asked));
    }
}

TEST(DriverWaits, AStalledStepEndsTheProgramSayingWhatItSawLast) {
    EXPECT_EXIT(
        {
            driver::StallGuard guard("reading the list", 100);
            guard.Seen("2 entries");
            Sleep(30000);
        },
        ::testing::ExitedWithCode(ERROR_TIMEOUT),
        "STALLED: reading the list has not ended within 100 ms; last seen: 2 entries");
}

}  // namespace
