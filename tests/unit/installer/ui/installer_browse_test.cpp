#include <gtest/gtest.h>

#include "installer/ui/Dir.h"
#include "installer/ui/Fil.h"
#include "installer/ui/PickerTest.h"

namespace qlr {
namespace {

using namespace test;

class Browse : public PickerTest {
protected:
    // Where each picker opens: its directory list's path, and for the playlist picker its files'.
    std::string OpenDir() {
        std::string path;
        EXPECT_FALSE(Open<Dir>(installer.Command4, [&](Dir& dir) {
            path = dir.Dir1.Path();
            dir.Command2.Click();
        }));
        return path;
    }
    std::string OpenFil() {
        std::string path;
        EXPECT_FALSE(Open<Fil>(installer.Command3, [&](Fil& fil) {
            path = fil.Dir1.Path() + " | " + fil.File1.Path();
            fil.Command2.Click();
        }));
        return path;
    }
};

TEST_F(Browse, BothButtonsOpenAtThePlayersDirectoryFallingBackToCOnceSilently) {
    EXPECT_EQ(OpenDir(), kPlayer);
    EXPECT_EQ(OpenFil(), std::string(kPlayer) + " | " + kPlayer);

    files.RemoveTree(kPlayer);  // the player's directory was deleted
    EXPECT_EQ(OpenDir(), "C:\\");
    EXPECT_EQ(OpenFil(), "C:\\ | C:\\");
    EXPECT_TRUE(windows.boxes.empty());
    EXPECT_EQ(windows.log, (Strings{"modal:Select Winamp Directory", "modal:Select Default Playlist",
                                    "modal:Select Winamp Directory", "modal:Select Default Playlist"}));
}

TEST_F(Browse, WhenEvenCCannotBeReadThePickersOpenAtTheFirstDriveThatCan) {
    installer.wnpdir.SetCaption("C:\\Gone");
    files.FindDrive('C')->readable = false;  // and D has no disc
    EXPECT_EQ(OpenDir(), "E:\\");
    EXPECT_EQ(OpenFil(), "E:\\ | E:\\");

    files.FindDrive('E')->readable = false;  // nothing can be read: the picker still opens
    EXPECT_EQ(OpenDir(), "");
    EXPECT_TRUE(windows.boxes.empty());
    EXPECT_EQ(windows.log.size(), 3u);
}

TEST_F(Browse, WhileTheInstallRunsTheBrowseButtonsDoNothing) {
    installer.Command3.SetEnabled(false);
    installer.Command4.SetEnabled(false);
    installer.Command3.Click();
    installer.Command4.Click();
    EXPECT_TRUE(windows.log.empty());
}

}  // namespace
}  // namespace qlr
