#pragma once
// What the fuzz targets share: a property that must hold for every input, and the input's text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace qlr::fuzz {

// Ends the run like a crash when the property does not hold: libFuzzer then keeps the input that
// broke it (crash-...) and the message says which property it was.
inline void Check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// The input as text, and the part before and after its first line break: targets that take two
// texts (a value and the directory it is resolved in, a pattern list and a name) read them so.
inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}
inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }
inline std::string AfterFirstLine(const std::string& text) {
    const std::size_t lineBreak = text.find('\n');
    return lineBreak == std::string::npos ? std::string() : text.substr(lineBreak + 1);
}

}  // namespace qlr::fuzz
