#include "driver/Wait.h"

namespace qlr::wine_driver {

namespace {

// How long one asking of a condition may take beyond the wait's own time before the wait counts
// as stalled. Every message the driver sends is bounded at a few seconds, so a condition that
// needs longer than this does not come back at all.
constexpr DWORD kStallMarginMs = 20000;

}  // namespace

StallGuard::StallGuard(std::string step, DWORD limitMs) : step_(std::move(step)), limitMs_(limitMs) {
    if (!CreateTimerQueueTimer(&timer_, nullptr, Expire, this, limitMs, 0, WT_EXECUTEONLYONCE))
        throw DriverError("cannot watch \"" + step_ + "\" for a stall (error " + std::to_string(GetLastError()) + ")");
}

StallGuard::~StallGuard() {
    // Waits for an expiry already running, which ends the program anyway.
    DeleteTimerQueueTimer(nullptr, timer_, INVALID_HANDLE_VALUE);
}

void StallGuard::Seen(const std::string& seen) {
    std::lock_guard<std::mutex> lock(mutex_);
    seen_ = seen;
}

// Written with WriteFile, not through the C library: the stalled thread may hold its locks.
void CALLBACK StallGuard::Expire(void* param, BOOLEAN) {
    auto* guard = static_cast<StallGuard*>(param);
    std::string message = "\nSTALLED: " + guard->step_ + " has not ended within " +
                          std::to_string(guard->limitMs_) + " ms";
    {
        std::lock_guard<std::mutex> lock(guard->mutex_);
        if (!guard->seen_.empty()) message += "; last seen: " + guard->seen_;
    }
    message += "; the test program ends here.\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), message.data(), DWORD(message.size()), &written, nullptr);
    TerminateProcess(GetCurrentProcess(), ERROR_TIMEOUT);
}

void WaitUntil(const std::function<bool(std::string& seen)>& condition, const std::string& what,
               DWORD timeoutMs) {
    StallGuard guard("the wait for " + what, timeoutMs + kStallMarginMs);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    std::string seen;
    while (!condition(seen)) {
        guard.Seen(seen);
        if (GetTickCount64() >= deadline)
            throw DriverError("waited " + std::to_string(timeoutMs) + " ms in vain for " + what +
                              (seen.empty() ? "" : "; last seen: " + seen));
        Sleep(kPollMs);
    }
}

void WaitUntil(const std::function<bool()>& condition, const std::string& what, DWORD timeoutMs) {
    WaitUntil([&condition](std::string&) { return condition(); }, what, timeoutMs);
}

}  // namespace qlr::wine_driver
