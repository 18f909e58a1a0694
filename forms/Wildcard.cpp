#include "forms/Wildcard.h"

#include <optional>

#include "common/LetterCase.h"

namespace qlr::forms {

namespace {

bool SameLetter(char a, char b) { return LowerCase(a) == LowerCase(b); }

// Matching with one step back to the last '*' seen: linear for the usual patterns, never
// exponential, and without copying the texts.
bool Matches(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0;
    std::size_t star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || SameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (star != std::string_view::npos) {
            p = star + 1;  // let the last '*' take one more character
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

// "*" and then a plain text, the usual form ("*.m3u"): decided by the name's end alone. No
// answer for a pattern of another form.
std::optional<bool> MatchesEnding(std::string_view pattern, std::string_view name) {
    if (pattern.size() < 2 || pattern[0] != '*' || pattern.find_first_of("*?", 1) != std::string_view::npos)
        return std::nullopt;
    const std::string_view ending = pattern.substr(1);
    if (ending.size() > name.size()) return false;
    const std::string_view tail = name.substr(name.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i)
        if (!SameLetter(ending[i], tail[i])) return false;
    return true;
}

// Only stars, or only stars and then ".*": every name matches ("*", "*.*").
bool MatchesEveryName(std::string_view pattern) {
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*") pattern.remove_suffix(2);
    return !pattern.empty() && pattern.find_first_not_of('*') == std::string_view::npos;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
    if (MatchesEveryName(pattern)) return true;
    if (std::optional<bool> byEnding = MatchesEnding(pattern, name)) return *byEnding;
    if (Matches(pattern, name)) return true;
    const bool endsInDotStar = pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*";
    return endsInDotStar && name.find('.') == std::string_view::npos &&
           Matches(pattern.substr(0, pattern.size() - 2), name);
}

std::vector<std::string> SplitPatterns(const std::string& patternList) {
    std::vector<std::string> patterns;
    std::size_t start = 0;
    while (start <= patternList.size()) {
        std::size_t end = patternList.find(';', start);
        if (end == std::string::npos) end = patternList.size();
        std::size_t first = start, last = end;
        while (first < last && IsBlank(patternList[first])) ++first;
        while (last > first && IsBlank(patternList[last - 1])) --last;
        if (last > first) patterns.push_back(patternList.substr(first, last - first));
        start = end + 1;
    }
    return patterns;
}

bool MatchesAny(const std::vector<std::string>& patterns, std::string_view name) {
    for (const std::string& pattern : patterns)
        if (MatchesWildcard(pattern, name)) return true;
    return false;
}

}  // namespace qlr::forms
