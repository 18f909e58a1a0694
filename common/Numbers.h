#pragma once
// Numbers read from text, through the library's locale-free conversion.
#include <charconv>
#include <optional>
#include <string_view>

namespace qlr {

// The whole text as a decimal number of type T: digits, with a '-' before them for a signed T,
// and nothing else (no blank, no '+'); a number outside T's range is none either.
template <typename T>
std::optional<T> DecimalNumber(std::string_view text) {
    T number{};
    const char* end = text.data() + text.size();
    const std::from_chars_result read = std::from_chars(text.data(), end, number);
    if (read.ec != std::errc() || read.ptr != end) return std::nullopt;
    return number;
}

}  // namespace qlr
