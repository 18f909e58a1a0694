#include <gtest/gtest.h>

#include "fakes/FakeWindowSystem.h"
#include "fakes/PlayerMachine.h"
#include "installer/ui/DriveChange.h"

namespace qlr {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

// The drive chooser and directory list of a picker, wired as both pickers wire them.
class DriveChangeTest : public ::testing::Test {
protected:
    DriveChangeTest() {
        drives.onChange = [this] {
            ++runs;
            DriveChange(drives, directories, windows);
        };
        directories.onChange = [this] { changes.push_back(directories.Path()); };
    }

    FakeFileSystem files = PlayerMachine();
    FakeWindowSystem windows;
    forms::DriveList drives{"Drive1", 1, {}, files};
    forms::DirList directories{"Dir1", 2, {}, files};
    int runs = 0;
    Strings changes;
};

TEST_F(DriveChangeTest, AReadableDriveMovesTheListOntoItsCurrentDirectory) {
    files.driveDirectories['C'] = "C:\\Program Files";
    drives.ChooseByUser(0);
    EXPECT_EQ(directories.Path(), "C:\\Program Files");
    EXPECT_EQ(changes, (Strings{"C:\\Program Files"}));
    EXPECT_TRUE(windows.boxes.empty());
}

TEST_F(DriveChangeTest, AFallbackDriveThatCannotBeReadEitherLeavesTheListsWhereTheyWere) {
    ASSERT_TRUE(directories.SetPath("E:\\Lists").ok());
    changes.clear();
    files.FindDrive('C')->readable = false;
    drives.ChooseByUser(1);  // D: no disc; C: not readable either
    EXPECT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(drives.Drive(), "e:");
    EXPECT_EQ(directories.Path(), "E:\\Lists");
    // Going back to E is a drive change too: E's current directory, then the one shown before.
    EXPECT_EQ(changes, (Strings{"E:\\KIT", "E:\\Lists"}));
    EXPECT_EQ(runs, 3);  // D, the fallback to C, the way back to E: no endless re-run
    EXPECT_EQ(drives.EventDepth(), 0);

    // Choosing C itself: the same single box, and back to E.
    runs = 0;
    drives.ChooseByUser(0);
    EXPECT_EQ(windows.boxes.size(), 2u);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(drives.Drive(), "e:");
    EXPECT_EQ(directories.Path(), "E:\\Lists");
}

TEST_F(DriveChangeTest, NoDriveCAtAllIsTheSameAsOneThatCannotBeRead) {
    files.drives.erase(files.drives.begin());
    forms::DriveList noC{"Drive1", 1, {}, files};
    noC.onChange = [&] { DriveChange(noC, directories, windows); };
    noC.ChooseByUser(0);  // D, no disc
    EXPECT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(noC.Drive(), "e:");
    EXPECT_EQ(directories.Path(), "E:\\KIT");
}

}  // namespace
}  // namespace qlr
