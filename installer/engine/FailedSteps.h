#pragma once
// The steps of an install that failed, kept so that its end can say what went wrong. Each entry
// is one line: the action, the full path it was aimed at, and the system's error code.
#include <string>
#include <vector>

#include "platform/Status.h"

namespace qlr {

class FailedSteps {
public:
    // Records the step when status is a failure; returns whether the step succeeded.
    bool Check(Status status, const std::string& action);
    std::size_t Count() const { return lines_.size(); }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// ERROR_INVALID_PARAMETER of the Windows API: an argument the operation cannot work with.
inline constexpr std::uint32_t kErrorInvalidParameter = 87;

}  // namespace qlr
