#pragma once
// Name patterns as the file list takes them: "*" stands for any run of characters, "?" for one
// character, and letter case does not count.
#include <string>
#include <string_view>
#include <vector>

namespace qlr::forms {

// True when the whole name matches the pattern. As on the system's own command line, a pattern
// ending in ".*" also matches a name without any dot ("*.*" matches every name).
bool MatchesWildcard(std::string_view pattern, std::string_view name);

// The patterns of a pattern list: separated by ';', blanks around each dropped, empty ones left
// out ("*.m3u; *.pls" gives "*.m3u" and "*.pls").
std::vector<std::string> SplitPatterns(const std::string& patternList);

// True when the name matches at least one of the patterns.
bool MatchesAny(const std::vector<std::string>& patterns, std::string_view name);

}  // namespace qlr::forms
