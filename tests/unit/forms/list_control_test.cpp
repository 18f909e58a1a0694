#include <gtest/gtest.h>

#include "forms/ListControl.h"

namespace qlr::forms {
namespace {

using Strings = std::vector<std::string>;

TEST(ListOrder, AlphabeticalLetterCaseIgnoredBeyondTheFirstSixteenBytesToo) {
    Strings names{"Track 0001 - Artist Zed.mp3", "track 0001 - artist abe.mp3", "TRACK 0001 - ARTIST Mid.mp3",
                  "b", "B", "a", "", "ab", "A\xe9", "Az", "a_", "track 0001 - artist"};
    SortNames(names);
    EXPECT_EQ(names, (Strings{"", "a", "a_", "ab", "Az", "A\xe9", "B", "b", "track 0001 - artist",
                              "track 0001 - artist abe.mp3", "TRACK 0001 - ARTIST Mid.mp3",
                              "Track 0001 - Artist Zed.mp3"}));
}

TEST(ListOrder, SortOrderGivesTheSameOrderAsIndexes) {
    const std::vector<std::string_view> names{"pls", "M3U", "b", "a"};
    EXPECT_EQ(SortOrder(names), (std::vector<std::uint32_t>{3, 2, 1, 0}));
    EXPECT_TRUE(SortOrder({}).empty());
}

}  // namespace
}  // namespace qlr::forms
