#pragma once
// Letter case as the kit's rules see it: A to Z and a to z are the letters with a case, every
// other byte stays itself (the "C" locale's rule, without a library call per character). Drive
// letters, key names, file names in the lists and ".exe" in a command all follow it.
#include <string>
#include <string_view>

namespace qlr {

constexpr char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
constexpr char UpperCase(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

inline std::string LowerCase(std::string text) {
    for (char& c : text) c = LowerCase(c);
    return text;
}
inline std::string UpperCase(std::string text) {
    for (char& c : text) c = UpperCase(c);
    return text;
}

// Alphabetical order, letter case ignored; texts equal but for case keep a fixed order by their
// bytes, so the order never depends on where the texts came from.
inline bool LessIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(LowerCase(a[i]));
        const unsigned char y = static_cast<unsigned char>(LowerCase(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

}  // namespace qlr
