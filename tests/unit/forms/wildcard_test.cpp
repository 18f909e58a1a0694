#include <gtest/gtest.h>

#include "forms/Wildcard.h"

namespace qlr::forms {
namespace {

TEST(Wildcard, StarQuestionMarkAndLetterCase) {
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.m3u", "main.m3u", true},   {"*.m3u", "MAIN.M3U", true},  {"*.M3U", "main.m3u", true},
        {"*.m3u", "main.m3u8", false}, {"*.m3u", ".m3u", true},      {"*.m3u", "m3u", false},
        {"?.pls", "a.pls", true},      {"?.pls", "ab.pls", false},   {"?.pls", ".pls", false},
        {"a*b*c", "aXXbYYc", true},    {"a*b*c", "abcb", false},     {"a*b*c", "abbbc", true},
        {"*", "", true},               {"", "", true},               {"", "a", false},
        {"**a", "ba", true},           {"*a*", "xyz", false},        {"jingle??.*", "jingle01.wav", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
}

TEST(Wildcard, APatternEndingInDotStarAlsoMatchesNamesWithoutADot) {
    EXPECT_TRUE(MatchesWildcard("*.*", "README"));
    EXPECT_TRUE(MatchesWildcard("*.*", "list.m3u"));
    EXPECT_TRUE(MatchesWildcard("readme.*", "README"));
    EXPECT_FALSE(MatchesWildcard("readme.*", "readme2"));
    EXPECT_FALSE(MatchesWildcard("*.m3u", "m3u"));  // only ".*" has that reading
    EXPECT_TRUE(MatchesWildcard("**.*", "x"));
    EXPECT_FALSE(MatchesWildcard(".*", "x"));
    EXPECT_TRUE(MatchesWildcard(".*", ".profile"));
}

TEST(Wildcard, ManyStarsAgainstALongNameStayFast) {
    // A naive backtracking matcher takes exponential time here; this one answers at once.
    EXPECT_FALSE(MatchesWildcard("*a*a*a*a*a*a*a*a*b", std::string(200, 'a')));
}

TEST(Wildcard, PatternListsSplitAtSemicolonsWithBlanksAndEmptiesDropped) {
    using List = std::vector<std::string>;
    EXPECT_EQ(SplitPatterns("*.m3u; *.pls"), (List{"*.m3u", "*.pls"}));
    EXPECT_EQ(SplitPatterns("  *.m3u  ;\t*.pls ;"), (List{"*.m3u", "*.pls"}));
    EXPECT_EQ(SplitPatterns("a b.m3u"), (List{"a b.m3u"}));  // a blank inside belongs to it
    EXPECT_EQ(SplitPatterns(""), List{});
    EXPECT_EQ(SplitPatterns(" ; ;; "), List{});

    EXPECT_TRUE(MatchesAny(SplitPatterns("*.m3u; *.pls"), "Rock.PLS"));
    EXPECT_FALSE(MatchesAny(SplitPatterns("*.m3u; *.pls"), "rock.mp3"));
    EXPECT_FALSE(MatchesAny({}, "anything"));
}

}  // namespace
}  // namespace qlr::forms
