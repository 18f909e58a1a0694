#include <gtest/gtest.h>

#include "fakes/PlayerMachine.h"
#include "fakes/RecordingControlView.h"
#include "forms/DirList.h"

namespace qlr::forms {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

// Each entry as indentation, glyph and text: "  [+] Skins".
Strings Entries(const DirList& list) {
    Strings entries;
    for (const ListItem& item : list.Items())
        entries.push_back(std::string(std::size_t(item.indent) * 2, ' ') +
                          (item.glyph == Glyph::OpenFolder ? "[-] " : "[+] ") + item.text);
    return entries;
}

class DirListTest : public ::testing::Test {
protected:
    FakeFileSystem files = PlayerMachine();
    DirList list{"Dir1", 1, {}, files};
};

TEST_F(DirListTest, ShowsTheChainThenTheSubdirectoriesSortedHiddenOnesIncluded) {
    EXPECT_EQ(list.Path(), "E:\\KIT");  // the process's current directory
    ASSERT_TRUE(list.SetPath("C:\\Program Files\\Winamp").ok());
    EXPECT_EQ(list.Path(), "C:\\Program Files\\Winamp");
    EXPECT_EQ(Entries(list), (Strings{"[-] c:\\", "  [-] Program Files", "    [-] Winamp",
                                      "      [+] Cache", "      [+] dir.m3u", "      [+] plugins",
                                      "      [+] Skins", "      [+] Temp"}));
    EXPECT_EQ(list.Highlighted(), 2);  // the current directory's entry
    EXPECT_EQ(list.EntryPath(0), "C:\\");
    EXPECT_EQ(list.EntryPath(1), "C:\\Program Files");
    EXPECT_EQ(list.EntryPath(2), "C:\\Program Files\\Winamp");
    EXPECT_EQ(list.EntryPath(5), "C:\\Program Files\\Winamp\\plugins");
    EXPECT_EQ(list.EntryPath(8), "");

    ASSERT_TRUE(list.SetPath("c:").ok());  // a drive value: that drive's current directory
    EXPECT_EQ(list.Path(), "C:\\");
    EXPECT_EQ(Entries(list),
              (Strings{"[-] c:\\", "  [+] Program Files", "  [+] System Volume Information"}));
    EXPECT_EQ(list.EntryPath(1), "C:\\Program Files");
    EXPECT_EQ(list.Highlighted(), 0);
}

TEST_F(DirListTest, PathsAreNormalisedAsGivenWithASeparatorOnlyAtTheRoot) {
    const struct {
        const char* given;
        const char* path;
    } cases[] = {
        {"c:\\", "C:\\"},
        {"C:", "C:\\"},
        {"e:", "E:\\KIT"},  // the process's directory is E's current one
        {"c:\\program files\\WINAMP\\", "C:\\program files\\WINAMP"},
        {"C:\\Program Files\\\\Winamp\\.\\Skins\\..", "C:\\Program Files\\Winamp"},
        {"C:/Program Files", "C:\\Program Files"},
        {"C:\\..", "C:\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        EXPECT_TRUE(list.SetPath(c.given).ok());
        EXPECT_EQ(list.Path(), c.path);
    }
    files.driveDirectories['C'] = "C:\\Program Files\\Winamp";
    ASSERT_TRUE(list.SetPath("c:").ok());
    EXPECT_EQ(list.Path(), "C:\\Program Files\\Winamp");
}

TEST_F(DirListTest, AFailedAssignmentKeepsEverythingAndRaisesNothing) {
    ASSERT_TRUE(list.SetPath("C:\\Program Files").ok());
    const std::vector<ListItem> before = list.Items();
    int changes = 0;
    list.onChange = [&] { ++changes; };
    files.DenyListing("C:\\Program Files\\Winamp\\Temp");
    const struct {
        const char* path;
        std::uint32_t error;
    } cases[] = {
        {"D:\\", kErrorNotReady}, {"d:", kErrorNotReady},  {"C:\\Gone", kErrorPathNotFound},
        {"z:", kErrorInvalidDrive}, {"", 123}, {"Program Files", 123}, {"C:Winamp", 123},
        {"C:\\Program Files\\Winamp\\Temp", kErrorAccessDenied},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(list.SetPath(c.path).error, c.error);
        EXPECT_EQ(list.Path(), "C:\\Program Files");
        EXPECT_EQ(list.Items(), before);
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(DirListTest, HighlightChangesNothingActivationEntersAndRaisesTheChange) {
    ASSERT_TRUE(list.SetPath("c:\\program files").ok());
    Strings log;
    RecordingControlView view(log);
    view.Attach(list);
    Strings seen;
    list.onChange = [&] { seen.push_back(list.Path()); };

    list.HighlightByUser(2);
    EXPECT_EQ(list.Path(), "C:\\program files");
    list.ActivateByUser(2);  // "Winamp", in the case the file system keeps it
    list.ActivateByUser(2);  // now the current directory itself: read again, no change
    list.ActivateByUser(0);  // up to the root
    list.ActivateByUser(9);  // no such entry
    EXPECT_EQ(seen, (Strings{"C:\\program files\\Winamp", "C:\\"}));
    EXPECT_EQ(log, (Strings{"Dir1 items", "Dir1 items", "Dir1 items"}));  // no highlight redrawn
    EXPECT_EQ(files.listings, 5);  // one for each (re)load, the constructor's included

    ASSERT_TRUE(list.SetPath("C:\\Program Files\\Winamp\\Skins").ok());
    list.ActivateByUser(2);  // an entry of the chain
    EXPECT_EQ(list.Path(), "C:\\Program Files\\Winamp");
    EXPECT_EQ(seen.back(), "C:\\Program Files\\Winamp");
}

TEST_F(DirListTest, AnEntryThatCannotBeEnteredLeavesTheListHereReadAgain) {
    ASSERT_TRUE(list.SetPath("C:\\Program Files\\Winamp").ok());
    int changes = 0;
    list.onChange = [&] { ++changes; };
    files.DenyListing("C:\\Program Files\\Winamp\\Temp");
    list.ActivateByUser(7);  // Temp: access denied
    EXPECT_EQ(list.Path(), "C:\\Program Files\\Winamp");
    EXPECT_EQ(list.Items()[7].text, "Temp");

    files.RemoveTree("C:\\Program Files\\Winamp\\Skins");  // deleted meanwhile
    list.ActivateByUser(6);
    EXPECT_EQ(list.Path(), "C:\\Program Files\\Winamp");
    EXPECT_EQ(list.Items().size(), 7u);  // read again: Skins is gone
    EXPECT_EQ(list.Items()[6].text, "Temp");
    EXPECT_EQ(list.Highlighted(), 2);
    EXPECT_EQ(changes, 0);

    files.RemoveTree("C:\\Program Files\\Winamp");  // even the current one vanished
    list.ActivateByUser(3);
    EXPECT_EQ(list.Path(), "C:\\Program Files\\Winamp");
    EXPECT_EQ(changes, 0);
}

TEST(DirListDrive, DriveOfNamesTheDriveAsTheChooserDoes) {
    EXPECT_EQ(DriveOf("C:\\Program Files"), "c:");
    EXPECT_EQ(DriveOf("e:"), "e:");
    EXPECT_EQ(DriveOf("\\\\server\\share"), "");
    EXPECT_EQ(DriveOf("c"), "");
}

}  // namespace
}  // namespace qlr::forms
