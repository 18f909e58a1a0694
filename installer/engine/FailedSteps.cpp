#include "installer/engine/FailedSteps.h"

#include <cstdio>

namespace qlr {

bool FailedSteps::Check(Status status, const std::string& action) {
    if (status.ok()) return true;
    // Windows error codes in decimal, as the system documents them; COM results in hex.
    std::string code;
    if (status.error <= 0xFFFF) {
        code = std::to_string(status.error);
    } else {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(status.error));
        code = hex;
    }
    lines_.push_back(action + " (error " + code + ")");
    return false;
}

void FailedSteps::Skip(const std::string& action, const std::string& reason) {
    lines_.push_back(action + " (" + reason + ")");
}

}  // namespace qlr
