#include "installer/engine/FailedSteps.h"

#include "common/Paths.h"

namespace qlr {

using namespace std::literals;

bool FailedSteps::Check(Status status, const std::string& action) {
    if (log_) log_->Step(action, status);
    if (status.ok()) return true;
    lines_.push_back(Join({action, " (error "sv, ErrorCodeText(status.error), ")"sv}));
    return false;
}

void FailedSteps::Skip(const std::string& action, std::string_view reason) {
    if (log_) log_->Skipped(action, reason);
    lines_.push_back(Join({action, " ("sv, reason, ")"sv}));
}

}  // namespace qlr
