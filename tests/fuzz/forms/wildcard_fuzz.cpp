// The pickers' file pattern: the input's first line is the pattern list as typed into the pattern
// box, the rest a file name. Each pattern is matched against the name and compared with a plain
// table-filling matcher of the same rules.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "common/LetterCase.h"
#include "forms/Wildcard.h"

namespace qlr::fuzz {
namespace {

using forms::MatchesWildcard;

// The table row by row: after row p, matches[n] says whether the first p characters of the
// pattern match the first n of the name.
bool TableMatches(std::string_view pattern, std::string_view name) {
    std::vector<char> matches(name.size() + 1, 0), next(name.size() + 1);
    matches[0] = 1;
    for (const char c : pattern) {
        next[0] = c == '*' && matches[0];
        for (std::size_t n = 1; n <= name.size(); ++n)
            next[n] = c == '*' ? matches[n] || next[n - 1]
                               : matches[n - 1] && (c == '?' || LowerCase(c) == LowerCase(name[n - 1]));
        matches.swap(next);
    }
    return matches[name.size()];
}

// With the rule of the system's command line: a pattern ending in ".*" also matches a name
// without a dot as its part before the ".*" does.
bool ReferenceMatches(std::string_view pattern, std::string_view name) {
    if (TableMatches(pattern, name)) return true;
    const bool endsInDotStar = pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*";
    return endsInDotStar && name.find('.') == std::string_view::npos &&
           TableMatches(pattern.substr(0, pattern.size() - 2), name);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void CheckSplit(const std::string& list, const std::vector<std::string>& patterns) {
    std::string joined;
    for (const std::string& pattern : patterns) {
        Check(!pattern.empty() && pattern.find(';') == std::string::npos, "a pattern is not empty and holds no ';'");
        Check(!IsBlank(pattern.front()) && !IsBlank(pattern.back()), "a pattern has no blank around it");
        joined += pattern + ';';
    }
    Check(joined.size() <= list.size() + 1, "the patterns are no longer than the list");
    Check(forms::SplitPatterns(joined) == patterns, "the patterns, joined, split into themselves");
}

void CheckMatch(const std::string& pattern, const std::string& name) {
    const bool matches = MatchesWildcard(pattern, name);
    Check(MatchesWildcard(pattern, UpperCase(name)) == matches, "letter case does not count");
    Check(MatchesWildcard(pattern, pattern), "a pattern matches itself as a name");
    // The table costs pattern times name; long pairs are left to the checks above.
    if (pattern.size() * name.size() <= 100000)
        Check(ReferenceMatches(pattern, name) == matches, "the match is the table's");
}

}  // namespace
}  // namespace qlr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qlr::fuzz;
    const std::string text = Text(data, size), list = FirstLine(text), name = AfterFirstLine(text);
    const std::vector<std::string> patterns = qlr::forms::SplitPatterns(list);
    CheckSplit(list, patterns);
    for (const std::string& pattern : patterns) CheckMatch(pattern, name);
    // The pattern box's whole text, as one pattern: blanks and ';' are characters like any other.
    CheckMatch(list, name);
    return 0;
}
