#include <gtest/gtest.h>

#include <optional>

#include "installer/ui/Dir.h"
#include "installer/ui/InstallerIds.h"
#include "installer/ui/PickerTest.h"

namespace qlr {
namespace {

using namespace test;

class DirPicker : public PickerTest {
protected:
    bool Browse(const std::function<void(Dir&)>& user) { return Open<Dir>(installer.Command4, user); }
};

TEST_F(DirPicker, LooksAsItShouldAndOpensModallyAtThePlayersDirectory) {
    EXPECT_FALSE(Browse([&](Dir& dir) {
        EXPECT_EQ(dir.Title(), dir_ids::kTitle);
        EXPECT_EQ(dir.ClientWidth(), 389);
        EXPECT_EQ(dir.ClientHeight(), 317);
        EXPECT_EQ(dir.placement, forms::Placement::CenterScreen);
        EXPECT_EQ(dir.icon, "");
        EXPECT_EQ(dir.background.value, forms::Color::Rgb(128, 128, 128).value);
        // Tab order as added: the drive chooser first, so it has the focus at opening.
        const char* const order[] = {"Drive1", "Dir1", "Label1", "Command1", "Command2"};
        ASSERT_EQ(dir.Controls().size(), 5u);
        for (std::size_t i = 0; i < 5; ++i) {
            const forms::Control& control = *dir.Controls()[i];
            SCOPED_TRACE(control.Name());
            EXPECT_EQ(control.Name(), order[i]);
            EXPECT_EQ(control.tabStop, control.Name() != "Label1");
            EXPECT_EQ(control.font.charset, forms::kEastEuropeCharset);  // every font of the window
        }
        EXPECT_EQ(dir.Drive1.Bounds().top, 288);  // 4320 twips
        EXPECT_EQ(dir.Dir1.Bounds().height, 261);
        EXPECT_EQ(dir.Label1.font.face, "Arial");
        EXPECT_EQ(dir.Label1.font.points, 9);
        EXPECT_EQ(dir.Dir1.font.face, "MS Sans Serif");
        EXPECT_EQ(dir.Dir1.foreground.value, forms::Color::Rgb(255, 255, 255).value);
        EXPECT_EQ(dir.Drive1.background.value, forms::Color::Rgb(128, 128, 128).value);
        EXPECT_EQ(dir.Command1.Caption(), "&OK");
        EXPECT_TRUE(dir.Command1.isDefault);
        EXPECT_EQ(dir.Command2.Caption(), "&Cancel");
        EXPECT_TRUE(dir.Command2.isCancel);

        // The preset raised the change: the label names the player's directory.
        EXPECT_EQ(dir.Dir1.Path(), kPlayer);
        EXPECT_EQ(dir.Label1.Caption(), "Selected Winamp Directory Is : C:\\Program Files\\Winamp");
        EXPECT_EQ(dir.Drive1.Drive(), "e:");  // the process's drive: the preset does not move it
        dir.Command1.Click();
    }));
    EXPECT_EQ(windows.log, (Strings{"modal:Select Winamp Directory"}));
    EXPECT_EQ(installer.Text1.Text(), kPlayer);  // the preset, without "\qlr111"
}

TEST_F(DirPicker, OkWritesTheCurrentDirectoryAHighlightIsNotAChoice) {
    const struct {
        const char* name;
        std::function<void(Dir&)> navigate;
        const char* written;
    } cases[] = {
        {"highlight only", [](Dir& d) { d.Dir1.HighlightByUser(IndexOf(d.Dir1, "Skins")); }, kPlayer},
        {"into Skins", [](Dir& d) { d.Dir1.ActivateByUser(IndexOf(d.Dir1, "Skins")); },
         "C:\\Program Files\\Winamp\\Skins"},
        {"up to the root", [](Dir& d) { d.Dir1.ActivateByUser(0); }, "C:\\"},
        {"drive C", [](Dir& d) { d.Drive1.ChooseByUser(0); }, "C:\\"},
        {"drive C, then E", [](Dir& d) { d.Drive1.ChooseByUser(0); d.Drive1.ChooseByUser(2); }, "E:\\KIT"},
        // The chooser shows the process's drive E from the start: choosing it again is no change.
        {"drive E as shown", [](Dir& d) { d.Drive1.ChooseByUser(2); }, kPlayer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        installer.Text1.SetText(kProposal);
        EXPECT_FALSE(Browse([&](Dir& dir) {
            c.navigate(dir);
            EXPECT_EQ(dir.Label1.Caption(), std::string("Selected Winamp Directory Is : ") + c.written);
            dir.Command1.Click();
        }));
        EXPECT_EQ(installer.Text1.Text(), c.written);
        EXPECT_EQ(installer.Text2.Text(), "");  // the playlist box is not this picker's
        EXPECT_EQ(installer.wnpdir.Caption(), kPlayer);
    }
    EXPECT_TRUE(windows.boxes.empty());
    EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "modal:Select Winamp Directory"), 6);
}

TEST_F(DirPicker, CancelKeepsTheBoxOrEndsTheInstallerOnExactlyNotFound) {
    EXPECT_FALSE(Browse([](Dir& dir) {
        dir.Dir1.ActivateByUser(IndexOf(dir.Dir1, "Skins"));
        dir.Command2.Click();
    }));
    EXPECT_EQ(installer.Text1.Text(), kProposal);

    installer.Text1.SetText("not found");  // other letter case: only closes
    EXPECT_FALSE(Browse([](Dir& dir) { dir.Command2.Click(); }));
    EXPECT_EQ(installer.Text1.Text(), "not found");

    installer.Text1.SetText("Not Found");
    EXPECT_TRUE(Browse([](Dir& dir) { dir.Command2.Click(); }));
    EXPECT_EQ(windows.log.back(), "end");
    EXPECT_EQ(installer.Text1.Text(), "Not Found");
}

// Whoever opens it: the picker closes with the chosen directory, or with none, and writes no box;
// "&Cancel" ends the program on the box's text it was given.
TEST_F(DirPicker, ClosesWithTheChosenDirectoryOrNone) {
    const auto open = [&](const std::string& box, const std::function<void(Dir&)>& user) {
        Dir dir(windows, files, box);
        windows.onModal = [&](forms::Form&) { user(dir); };
        EXPECT_TRUE(dir.OpenAt(kPlayer).ok());
        windows.ShowModal(dir);
        return dir.Chosen();
    };
    EXPECT_EQ(open(kProposal, [](Dir& d) { d.Dir1.ActivateByUser(0); d.Command1.Click(); }), "C:\\");
    EXPECT_EQ(open(kProposal, [](Dir& d) { d.Dir1.ActivateByUser(0); d.Command2.Click(); }), std::nullopt);
    EXPECT_THROW(open("Not Found", [](Dir& d) { d.Command2.Click(); }), ProgramEnded);
    EXPECT_EQ(installer.Text1.Text(), kProposal);
}

TEST_F(DirPicker, EveryOpeningStartsAfresh) {
    EXPECT_FALSE(Browse([](Dir& dir) {
        dir.Drive1.ChooseByUser(0);
        dir.Dir1.ActivateByUser(IndexOf(dir.Dir1, "Program Files"));
        dir.Command2.Click();
    }));
    EXPECT_FALSE(Browse([](Dir& dir) {
        EXPECT_EQ(dir.Dir1.Path(), kPlayer);
        EXPECT_EQ(dir.Drive1.Drive(), "e:");
        EXPECT_EQ(dir.Label1.Caption(), "Selected Winamp Directory Is : C:\\Program Files\\Winamp");
        dir.Command2.Click();
    }));
    EXPECT_EQ(windows.log, (Strings{"modal:Select Winamp Directory", "modal:Select Winamp Directory"}));
}

TEST_F(DirPicker, AnUnreadableDriveTellsOnceThenShowsDriveC) {
    files.driveDirectories['C'] = kPlayer;
    EXPECT_FALSE(Browse([&](Dir& dir) {
        dir.Dir1.ActivateByUser(IndexOf(dir.Dir1, "Skins"));
        dir.Drive1.ChooseByUser(1);  // the CD drive without a disc
        EXPECT_EQ(dir.Drive1.Drive(), "c:");
        EXPECT_EQ(dir.Dir1.Path(), kPlayer);  // drive C's current directory
        EXPECT_EQ(dir.Label1.Caption(), "Selected Winamp Directory Is : C:\\Program Files\\Winamp");
        EXPECT_EQ(dir.Drive1.EventDepth(), 0);
        dir.Command2.Click();
    }));
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].text, "Drive Unavailable ! If This Is A Removable Drive Please Insert A Disk !");
    EXPECT_EQ(windows.boxes[0].title, "Drive Unavailable");
    EXPECT_EQ(windows.boxes[0].style, 16u);
    EXPECT_EQ(installer.Text1.Text(), kProposal);
}

TEST_F(DirPicker, AnEntryGoneMeanwhileLeavesThePickerWhereItWasWithoutABox) {
    EXPECT_FALSE(Browse([&](Dir& dir) {
        files.RemoveTree("C:\\Program Files\\Winamp\\Skins");
        files.DenyListing("C:\\Program Files\\Winamp\\Temp");
        dir.Dir1.ActivateByUser(IndexOf(dir.Dir1, "Skins"));
        dir.Dir1.ActivateByUser(IndexOf(dir.Dir1, "Temp"));
        EXPECT_EQ(dir.Dir1.Path(), kPlayer);
        EXPECT_EQ(IndexOf(dir.Dir1, "Temp"), 6);  // read again: Skins is gone
        dir.Command1.Click();
    }));
    EXPECT_TRUE(windows.boxes.empty());
    EXPECT_EQ(installer.Text1.Text(), kPlayer);
}

}  // namespace
}  // namespace qlr
