#include "installer/engine/FailedSteps.h"

namespace qlr {

bool FailedSteps::Check(Status status, const std::string& action) {
    if (status.ok()) return true;
    lines_.push_back(action + " (error " + std::to_string(status.error) + ")");
    return false;
}

}  // namespace qlr
