#pragma once
// Waits for a condition in another program, bounded twice: by the wait's own time, checked each
// time the condition has been asked, and by a guard that ends the test program with a message
// when one asking of the condition does not come back, so that a stall always says what it is.
#include <windows.h>

#include <functional>
#include <mutex>
#include <string>

#include "driver/Driver.h"

namespace qlr::wine_driver {

// Waits until `condition` holds, asking it every few milliseconds; fails with `what` when the time
// runs out. The condition may describe what it saw in `seen`: a failure reports the last of it.
void WaitUntil(const std::function<bool(std::string& seen)>& condition, const std::string& what,
               DWORD timeoutMs = kWaitMs);
void WaitUntil(const std::function<bool()>& condition, const std::string& what, DWORD timeoutMs = kWaitMs);

// While it lives, the test program may spend at most `limitMs` on a step: beyond that, the guard
// writes what the step is and what was last seen in it to the error output and ends the program
// (exit code ERROR_TIMEOUT), which the test then fails with, long before ctest's own limit.
class StallGuard {
public:
    StallGuard(std::string step, DWORD limitMs);
    ~StallGuard();
    StallGuard(const StallGuard&) = delete;
    StallGuard& operator=(const StallGuard&) = delete;

    void Seen(const std::string& seen);

private:
    static void CALLBACK Expire(void* guard, BOOLEAN);

    const std::string step_;
    const DWORD limitMs_;
    std::mutex mutex_;
    std::string seen_;
    HANDLE timer_ = nullptr;
};

}  // namespace qlr::wine_driver
