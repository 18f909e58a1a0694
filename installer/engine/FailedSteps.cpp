#include "installer/engine/FailedSteps.h"

namespace qlr {

namespace {

// "0x" and eight upper-case hex digits. (Written out rather than through snprintf, which would
// bring the C library's whole formatted-output code into the program.)
std::string Hex8(std::uint32_t value) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 0xF];
    return text;
}

}  // namespace

bool FailedSteps::Check(Status status, const std::string& action) {
    if (status.ok()) return true;
    // Windows error codes in decimal, as the system documents them; COM results in hex.
    const std::string code = status.error <= 0xFFFF ? std::to_string(status.error) : Hex8(status.error);
    lines_.push_back(action + " (error " + code + ")");
    return false;
}

void FailedSteps::Skip(const std::string& action, const std::string& reason) {
    lines_.push_back(action + " (" + reason + ")");
}

}  // namespace qlr
