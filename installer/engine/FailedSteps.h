#pragma once
// The steps of an install that failed, kept so that its end can say what went wrong. Each entry
// is one line: the action, the full path it was aimed at, and the system's error code (or, for a
// step that was skipped, the reason). A run started with switches also logs every step, done or
// not.
#include <string>
#include <string_view>
#include <vector>

#include "common/RunLog.h"
#include "platform/Status.h"

namespace qlr {

class FailedSteps {
public:
    explicit FailedSteps(RunLog* log = nullptr) : log_(log) {}

    // Records the step when status is a failure; returns whether the step succeeded.
    bool Check(Status status, const std::string& action);
    // Records a step that was not tried, with the reason in place of an error code.
    void Skip(const std::string& action, std::string_view reason);
    std::size_t Count() const { return lines_.size(); }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    RunLog* log_;
};

}  // namespace qlr
