#include "installer/engine/FailedSteps.h"

#include <charconv>

#include "common/LetterCase.h"

namespace qlr {

namespace {

// "0x" and eight upper-case hex digits. (Through to_chars rather than snprintf, which would
// bring the C library's whole formatted-output code into the program.)
std::string Hex8(std::uint32_t value) {
    char digits[8];
    const char* end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
    const std::size_t length = std::size_t(end - digits);
    return "0x" + std::string(sizeof digits - length, '0') + UpperCase(std::string(digits, length));
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
