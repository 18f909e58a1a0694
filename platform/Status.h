#pragma once
// Outcome of one platform call: 0 on success, otherwise the platform's own error code, kept so
// that a caller can report what failed and why.
#include <cstdint>

namespace qlr {

struct Status {
    std::uint32_t error = 0;

    bool ok() const { return error == 0; }
    static Status Ok() { return {}; }
    static Status Fail(std::uint32_t code) { return Status{code == 0 ? 1u : code}; }
};

// A value, or the Status that says why there is none.
template <typename T>
struct Result {
    Status status;
    T value{};

    bool ok() const { return status.ok(); }
};

}  // namespace qlr
