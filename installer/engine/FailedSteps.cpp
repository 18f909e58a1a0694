#include "installer/engine/FailedSteps.h"

#include "common/Paths.h"

namespace qlr {

bool FailedSteps::Check(Status status, const std::string& action) {
    if (log_) log_->Step(action, status);
    if (status.ok()) return true;
    lines_.push_back(Join({action, " (error ", ErrorCodeText(status.error), ")"}));
    return false;
}

void FailedSteps::Skip(const std::string& action, const std::string& reason) {
    if (log_) log_->Skipped(action, reason);
    lines_.push_back(Join({action, " (", reason, ")"}));
}

}  // namespace qlr
