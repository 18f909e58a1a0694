#pragma once
// Work that must be done when a scope ends, however it ends (returned from, or left by an
// exception): a counter counted down again, a flag lowered.
#include <utility>

namespace qlr {

template <typename Leave>
class ScopeExit {
public:
    explicit ScopeExit(Leave leave) : leave_(std::move(leave)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { leave_(); }

private:
    Leave leave_;
};

}  // namespace qlr
