#pragma once
// Letter case as the lists ignore it: A to Z fold to a to z, every other byte stays itself (the
// "C" locale's rule, without a library call per character).
#include <string_view>

namespace qlr::forms {

inline char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Alphabetical order, letter case ignored; texts equal but for case keep a fixed order by their
// bytes, so the order never depends on where the texts came from.
inline bool LessIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(FoldCase(a[i]));
        const unsigned char y = static_cast<unsigned char>(FoldCase(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

}  // namespace qlr::forms
