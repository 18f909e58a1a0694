#include <gtest/gtest.h>

#include "fakes/PlayerMachine.h"
#include "fakes/RecordingControlView.h"
#include "forms/FileList.h"

namespace qlr::forms {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

Strings Texts(const FileList& list) {
    Strings texts;
    for (const ListItem& item : list.Items()) texts.push_back(item.text);
    return texts;
}

class FileListTest : public ::testing::Test {
protected:
    FileListTest() {
        list.SetPath(kPlayer);
        list.Load();
    }

    static constexpr const char* kPlayer = "C:\\Program Files\\Winamp";
    FakeFileSystem files = PlayerMachine();
    FileList list{"File1", 1, {}, files};
};

// Its form sets where it opens, then it lists that once; from then on it follows every change.
TEST_F(FileListTest, ListsNothingUntilLoadedThenEveryOrdinaryFile) {
    const int listings = files.listings;
    FileList fresh("File1", 1, {}, files);
    EXPECT_EQ(fresh.Path(), "E:\\KIT");
    EXPECT_EQ(fresh.Pattern(), "*.*");
    fresh.SetPath("C:\\Program Files");
    fresh.SetPath("C:\\");
    EXPECT_TRUE(fresh.Items().empty());
    EXPECT_EQ(files.listings, listings);
    fresh.Load();
    EXPECT_EQ(Texts(fresh), (Strings{"a.m3u", "ab.m3u"}));  // directories are not files
    EXPECT_EQ(fresh.Highlighted(), -1);
    fresh.SetPattern("ab*");
    EXPECT_EQ(Texts(fresh), (Strings{"ab.m3u"}));
    EXPECT_EQ(files.listings - listings, 2);
    EXPECT_TRUE(fresh.tabStop);
}

TEST_F(FileListTest, OrdinaryFilesMatchingAnyPatternSortedLetterCaseIgnored) {
    // Neither hidden, system nor a directory named like a playlist; read-only is ordinary.
    const struct {
        const char* patterns;
        Strings shown;
    } cases[] = {
        {"*.m3u; *.pls", {"ambient.m3u", "Blues.PLS", "jazz.pls", "old.m3u", "Rock.M3U"}},
        {"  *.M3U  ;*.PLS ", {"ambient.m3u", "Blues.PLS", "jazz.pls", "old.m3u", "Rock.M3U"}},
        {"*.m3u", {"ambient.m3u", "old.m3u", "Rock.M3U"}},
        {"???.m3u", {"old.m3u"}},
        {"*.m3u?", {"list.m3u8"}},
        {"*.*", {"ambient.m3u", "Blues.PLS", "jazz.pls", "list.m3u8", "notes.txt", "old.m3u",
                 "README", "Rock.M3U", "winamp.exe"}},
        {"readme", {"README"}},
        {"", {}},      // no pattern: nothing is asked for, nothing is shown
        {" ; ", {}},
        {"*.mp3", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.patterns);
        list.SetPattern(c.patterns);
        EXPECT_EQ(list.Pattern(), c.patterns);  // kept as given
        EXPECT_EQ(Texts(list), c.shown);
    }
}

TEST_F(FileListTest, EveryAssignmentReadsAgainAndLeavesNoFileSelected) {
    list.SetPattern("*.m3u; *.pls");
    Strings log;
    RecordingControlView view(log);
    view.Attach(list);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    const int listings = files.listings;

    list.Select(1);
    EXPECT_EQ(list.FileName(), "Blues.PLS");
    list.Select(1);   // already selected: no second click
    list.Select(42);  // no such file
    files.AddFile("C:\\Program Files\\Winamp\\new.m3u", "");
    list.SetPattern("*.m3u; *.pls");  // same text: read again all the same
    EXPECT_EQ(list.FileName(), "");
    EXPECT_EQ(Texts(list)[3], "new.m3u");
    list.SelectByUser(0);
    list.SetPath("E:\\Lists");
    EXPECT_EQ(Texts(list), (Strings{"Morning.m3u"}));
    EXPECT_EQ(list.Highlighted(), -1);
    list.SetPath("D:\\");  // no disc: no files
    EXPECT_TRUE(list.Items().empty());
    EXPECT_EQ(list.Path(), "D:\\");

    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(files.listings - listings, 3);
    EXPECT_EQ(log, (Strings{"File1 selection", "File1 items", "File1 items", "File1 items"}));
}

TEST_F(FileListTest, ADoubleClickSelectsThenRaisesItsOwnEvent) {
    Strings seen;
    list.onClick = [&] { seen.push_back("click " + list.FileName()); };
    list.onDblClick = [&] { seen.push_back("double " + list.FileName()); };
    list.DoubleClickByUser(2);
    list.SelectByUser(3);
    list.DoubleClickByUser(3);  // its first click already selected it
    list.DoubleClickByUser(99);
    EXPECT_EQ(seen, (Strings{"click jazz.pls", "double jazz.pls", "click list.m3u8",
                             "double list.m3u8"}));
}

TEST(FileListFilter, NamesAreMovedIntoTheEntriesAndSorted) {
    std::vector<DirectoryEntry> entries{{"b.M3U", 0},
                                        {"A.m3u", kFileAttributeReadOnly},
                                        {"c.m3u", kFileAttributeDirectory},
                                        {"a.m3u", 0},
                                        {"h.m3u", kFileAttributeHidden}};
    const std::vector<ListItem> items = MatchingFiles(entries, "*.m3u");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text, "A.m3u");  // equal but for case: a fixed order
    EXPECT_EQ(items[1].text, "a.m3u");
    EXPECT_EQ(items[2].text, "b.M3U");
    EXPECT_EQ(items[2].glyph, Glyph::None);
}

}  // namespace
}  // namespace qlr::forms
