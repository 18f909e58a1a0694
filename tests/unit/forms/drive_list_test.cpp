#include <gtest/gtest.h>

#include "fakes/PlayerMachine.h"
#include "fakes/RecordingControlView.h"
#include "forms/DriveList.h"

namespace qlr::forms {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

Strings Texts(const ListControl& list) {
    Strings texts;
    for (const ListItem& item : list.Items()) texts.push_back(item.text);
    return texts;
}

class DriveListTest : public ::testing::Test {
protected:
    FakeFileSystem files = PlayerMachine();
};

TEST_F(DriveListTest, ListsTheDrivesWithLabelsAndStartsOnTheProcessDrive) {
    DriveList drives("Drive1", 1, {}, files);
    EXPECT_EQ(Texts(drives), (Strings{"c: [SYSTEM]", "d:", "e: [DATA]"}));
    EXPECT_EQ(drives.Items()[0].glyph, Glyph::Drive);
    EXPECT_EQ(drives.Drive(), "e:");  // the current directory is E:\KIT
    EXPECT_EQ(drives.Drives()[1].type, DriveType::CdRom);
    EXPECT_TRUE(drives.tabStop);

    files.currentDirectory = "\\\\server\\share";  // names no drive: the first one
    EXPECT_EQ(DriveList("Drive1", 1, {}, files).Drive(), "c:");
    files.drives.clear();
    DriveList none("Drive1", 1, {}, files);
    EXPECT_EQ(none.Drive(), "");
    EXPECT_FALSE(none.SetDrive("c:"));
}

TEST_F(DriveListTest, CodeAndUserRaiseTheSameChangeOnlyTheCodesReachTheView) {
    DriveList drives("Drive1", 1, {}, files);
    Strings log;
    RecordingControlView view(log);
    view.Attach(drives);
    Strings seen;
    drives.onChange = [&] { seen.push_back(drives.Drive()); };

    EXPECT_TRUE(drives.SetDrive("C:\\Program Files"));  // any text that starts with the drive
    EXPECT_TRUE(drives.SetDrive("c:"));                 // already current: no event
    drives.ChooseByUser(1);
    drives.ChooseByUser(7);                             // no such entry
    EXPECT_FALSE(drives.SetDrive("z:"));
    EXPECT_FALSE(drives.SetDrive("\\"));
    EXPECT_EQ(seen, (Strings{"c:", "d:"}));
    EXPECT_EQ(log, (Strings{"Drive1 selection"}));  // the user's choice is on screen already
    EXPECT_EQ(drives.Drive(), "d:");
}

TEST_F(DriveListTest, AChangeFromInsideTheHandlerRunsNestedWithTheStateComplete) {
    DriveList drives("Drive1", 1, {}, files);
    Strings seen;
    drives.onChange = [&] {
        seen.push_back(drives.Drive() + " depth " + std::to_string(drives.EventDepth()));
        if (drives.Drive() == "d:") drives.SetDrive("c:");  // the fallback of an unreadable drive
    };
    drives.ChooseByUser(1);
    EXPECT_EQ(seen, (Strings{"d: depth 1", "c: depth 2"}));
    EXPECT_EQ(drives.EventDepth(), 0);
    EXPECT_EQ(drives.Drive(), "c:");
}

}  // namespace
}  // namespace qlr::forms
