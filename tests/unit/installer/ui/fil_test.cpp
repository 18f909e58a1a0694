#include <gtest/gtest.h>

#include <optional>

#include "installer/engine/InstallSequence.h"
#include "installer/ui/Fil.h"
#include "installer/ui/InstallerIds.h"
#include "installer/ui/PickerTest.h"

namespace qlr {
namespace {

using namespace test;

const std::vector<std::string> kPlaylists{"ambient.m3u", "Blues.PLS", "jazz.pls", "old.m3u", "Rock.M3U"};

class FilPicker : public PickerTest {
protected:
    FilPicker() { installer.Text2.SetText("E:\\earlier.m3u"); }
    bool Browse(const std::function<void(Fil&)>& user) { return Open<Fil>(installer.Command3, user); }
    // The user picks the file by its name.
    static void Click(Fil& fil, const std::string& name) { fil.File1.SelectByUser(IndexOf(fil.File1, name)); }
};

TEST_F(FilPicker, LooksAsItShouldAndOpensOnThePlayersPlaylists) {
    const int before = files.listings;
    EXPECT_FALSE(Browse([&](Fil& fil) {
        // One listing of the player's directory for each list, and the directory list's start on
        // the current directory: the file list lists once, at start-up.
        EXPECT_EQ(files.listings - before, 3);
        EXPECT_EQ(fil.Title(), fil_ids::kTitle);
        EXPECT_EQ(fil.ClientWidth(), 570);
        EXPECT_EQ(fil.ClientHeight(), 256);
        EXPECT_EQ(fil.placement, forms::Placement::CenterOwner);
        EXPECT_EQ(fil.icon, "");
        const char* const order[] = {"Drive1",   "Dir1",     "File1",  "Text1",
                                     "Command1", "Command2", "Label1", "Text2"};
        ASSERT_EQ(fil.Controls().size(), 8u);
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(fil.Controls()[i]->Name(), order[i]);
            EXPECT_EQ(fil.Controls()[i]->tabStop, i != 6) << order[i];  // the label takes no focus
        }
        EXPECT_EQ(fil.Text2.Bounds().left, 140);  // 2100 twips
        EXPECT_EQ(fil.File1.foreground.value, unsigned(forms::kColorMenu));
        EXPECT_EQ(fil.Dir1.foreground.value, unsigned(forms::kColorWindow));
        EXPECT_EQ(fil.Label1.foreground.value, unsigned(forms::kColorHighlightText));
        EXPECT_EQ(fil.Text2.font.charset, forms::kEastEuropeCharset);
        EXPECT_TRUE(fil.Text2.font.bold);
        EXPECT_EQ(fil.Drive1.font.charset, forms::kDefaultCharset);
        EXPECT_TRUE(fil.Command1.isDefault);
        EXPECT_TRUE(fil.Command2.isCancel);

        EXPECT_TRUE(fil.Text1.ReadOnly());
        EXPECT_EQ(fil.Text1.Text(), "");
        EXPECT_EQ(fil.Text2.Text(), "*.m3u; *.pls");
        EXPECT_EQ(fil.File1.Pattern(), "*.m3u; *.pls");
        EXPECT_EQ(fil.File1.Path(), kPlayer);
        EXPECT_EQ(Texts(fil.File1), kPlaylists);  // no hidden, system, directory or other file
        EXPECT_EQ(fil.Drive1.Drive(), "e:");
        fil.Command2.Click();
    }));
    EXPECT_EQ(windows.log, (Strings{"modal:Select Default Playlist"}));
    EXPECT_EQ(installer.Text2.Text(), "E:\\earlier.m3u");
}

TEST_F(FilPicker, AClickFillsThePathBoxOkOrADoubleClickWritesIt) {
    EXPECT_FALSE(Browse([&](Fil& fil) {
        Click(fil, "jazz.pls");
        EXPECT_EQ(fil.Text1.Text(), "C:\\Program Files\\Winamp\\jazz.pls");
        EXPECT_EQ(installer.Text2.Text(), "E:\\earlier.m3u");
        fil.Command1.Click();
    }));
    EXPECT_EQ(installer.Text2.Text(), "C:\\Program Files\\Winamp\\jazz.pls");

    EXPECT_FALSE(Browse([&](Fil& fil) {
        fil.File1.DoubleClickByUser(IndexOf(fil.File1, "Rock.M3U"));
        EXPECT_TRUE(fil.Closed());
    }));
    EXPECT_EQ(installer.Text2.Text(), "C:\\Program Files\\Winamp\\Rock.M3U");

    EXPECT_FALSE(Browse([&](Fil& fil) {
        Click(fil, "old.m3u");
        fil.Command2.Click();  // "&Cancel" writes nothing
    }));
    EXPECT_EQ(installer.Text2.Text(), "C:\\Program Files\\Winamp\\Rock.M3U");
    EXPECT_EQ(installer.Text1.Text(), kProposal);  // the install directory is not this picker's
    EXPECT_TRUE(windows.boxes.empty());
    EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "modal:Select Default Playlist"), 3);
}

// Whoever opens it: the picker closes with the chosen path, or with none, and writes no box.
TEST_F(FilPicker, ClosesWithTheChosenPathOrNone) {
    const struct {
        const char* name;
        std::function<void(Fil&)> user;
        std::optional<std::string> chosen;
    } cases[] = {
        {"OK", [](Fil& f) { Click(f, "jazz.pls"); f.Command1.Click(); }, "C:\\Program Files\\Winamp\\jazz.pls"},
        {"double-click", [](Fil& f) { f.File1.DoubleClickByUser(IndexOf(f.File1, "Rock.M3U")); },
         "C:\\Program Files\\Winamp\\Rock.M3U"},
        {"Cancel after a click", [](Fil& f) { Click(f, "jazz.pls"); f.Command2.Click(); }, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fil fil(windows, files);
        windows.onModal = [&](forms::Form&) { c.user(fil); };
        ASSERT_TRUE(fil.OpenAt(kPlayer).ok());
        windows.ShowModal(fil);
        EXPECT_EQ(fil.Chosen(), c.chosen);
    }
    EXPECT_EQ(installer.Text2.Text(), "E:\\earlier.m3u");
}

TEST_F(FilPicker, OkNeedsEightCharactersAtTheRootASingleSeparator) {
    files.AddFile("C:\\x.pl", "");
    EXPECT_FALSE(Browse([&](Fil& fil) {
        fil.Command1.Click();  // nothing chosen yet
        fil.Dir1.ActivateByUser(0);
        fil.Text2.TextEditedByUser("*.m3u; *.pl");
        EXPECT_EQ(Texts(fil.File1), (Strings{"a.m3u", "ab.m3u", "x.pl"}));
        Click(fil, "x.pl");
        EXPECT_EQ(fil.Text1.Text(), "C:\\x.pl");  // 7 characters: refused
        fil.Command1.Click();
        EXPECT_FALSE(fil.Closed());
        Click(fil, "a.m3u");                       // 8 characters: accepted
        fil.Command1.Click();
    }));
    EXPECT_EQ(installer.Text2.Text(), "C:\\a.m3u");
    ASSERT_EQ(windows.boxes.size(), 2u);
    for (const ShownBox& box : windows.boxes) {
        EXPECT_EQ(box.text,
                  "You Must Specify A Default Playlist Or \"Quillora\" Will Not Work. If You Don't "
                  "Have A Default List Yet Quit This Installer, Create One And Try Again.");
        EXPECT_EQ(box.title, "No Default List");
        EXPECT_EQ(box.style, 16u);
    }

    // A double-click makes no length test.
    EXPECT_FALSE(Browse([&](Fil& fil) {
        fil.Dir1.ActivateByUser(0);
        fil.Text2.TextEditedByUser("*.pl");
        fil.File1.DoubleClickByUser(0);
    }));
    EXPECT_EQ(installer.Text2.Text(), "C:\\x.pl");
    EXPECT_EQ(windows.boxes.size(), 2u);
}

TEST_F(FilPicker, ThePathBoxKeepsTheChoiceWhileTheUserLooksElsewhere) {
    EXPECT_FALSE(Browse([&](Fil& fil) {
        Click(fil, "jazz.pls");
        fil.Dir1.ActivateByUser(IndexOf(fil.Dir1, "Skins"));
        EXPECT_TRUE(fil.File1.Items().empty());
        fil.Drive1.ChooseByUser(0);
        EXPECT_EQ(fil.File1.Path(), "C:\\");
        fil.Text2.TextEditedByUser("*.txt");
        fil.Dir1.ActivateByUser(IndexOf(fil.Dir1, "Program Files"));
        fil.Drive1.ChooseByUser(1);  // the CD drive without a disc: one box, then drive C
        EXPECT_EQ(fil.Drive1.Drive(), "c:");
        EXPECT_EQ(fil.File1.Path(), "C:\\");
        EXPECT_EQ(fil.Text1.Text(), "C:\\Program Files\\Winamp\\jazz.pls");
        fil.Command1.Click();
    }));
    EXPECT_EQ(installer.Text2.Text(), "C:\\Program Files\\Winamp\\jazz.pls");
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].title, "Drive Unavailable");
}

TEST_F(FilPicker, EveryKeystrokeInThePatternBoxFiltersAtOnce) {
    EXPECT_FALSE(Browse([&](Fil& fil) {
        const int before = files.listings;
        const struct {
            const char* text;
            Strings shown;
        } keystrokes[] = {
            {"*", {"ambient.m3u", "Blues.PLS", "jazz.pls", "list.m3u8", "notes.txt", "old.m3u",
                   "README", "Rock.M3U", "winamp.exe"}},
            {"*.", {}},
            {"*.*xe", {"winamp.exe"}},
            {"", {}},  // an empty pattern box shows no files
        };
        for (const auto& k : keystrokes) {
            SCOPED_TRACE(k.text);
            fil.Text2.TextEditedByUser(k.text);
            EXPECT_EQ(Texts(fil.File1), k.shown);
        }
        EXPECT_EQ(files.listings - before, 4);
        fil.Command2.Click();
    }));
}

TEST_F(FilPicker, EveryOpeningStartsAfresh) {
    EXPECT_FALSE(Browse([&](Fil& fil) {
        Click(fil, "jazz.pls");
        fil.Text2.TextEditedByUser("*.txt");
        fil.Dir1.ActivateByUser(0);
        fil.Command2.Click();
    }));
    EXPECT_FALSE(Browse([&](Fil& fil) {
        EXPECT_EQ(fil.Text1.Text(), "");
        EXPECT_EQ(fil.Text2.Text(), "*.m3u; *.pls");
        EXPECT_EQ(fil.Dir1.Path(), kPlayer);
        EXPECT_EQ(Texts(fil.File1), kPlaylists);
        EXPECT_EQ(fil.File1.FileName(), "");
        fil.Command2.Click();
    }));
    EXPECT_EQ(installer.Text2.Text(), "E:\\earlier.m3u");
}

// A name the ANSI code page cannot write comes with '?' in it and opens nothing: the picker shows
// and uses the short name instead and leaves out what has none, so what it writes opens.
TEST_F(FilPicker, NamesTheCodePageCannotWriteAreUsedByTheirShortNames) {
    const std::string player = kPlayer;
    for (const char* path : {"\\??.m3u", "\\????.pls", "\\???\\??????.m3u"}) files.AddFile(player + path, "");
    for (const char* path : {"\\???", "\\?????"}) files.AddDirectory(player + path);
    files.GiveShortName(player + "\\??.m3u", "A1B2~1.M3U");  // "????.pls" and "?????" have none
    files.GiveShortName(player + "\\???", "C3D4~1");
    files.GiveShortName(player + "\\???\\??????.m3u", "E5F6~1.M3U");
    EXPECT_FALSE(Browse([&](Fil& fil) {
        EXPECT_EQ(Texts(fil.File1), (Strings{"A1B2~1.M3U", "ambient.m3u", "Blues.PLS", "jazz.pls", "old.m3u", "Rock.M3U"}));
        EXPECT_EQ(fil.Dir1.Items().size(), 9u);  // c:\, Program Files, Winamp and six below
        EXPECT_EQ(Texts(fil.Dir1)[3], "C3D4~1");
        Click(fil, "A1B2~1.M3U");
        EXPECT_TRUE(files.IsFile(fil.Text1.Text()));
        fil.Dir1.ActivateByUser(3);
        fil.File1.DoubleClickByUser(0);
    }));
    EXPECT_EQ(installer.Text2.Text(), player + "\\C3D4~1\\E5F6~1.M3U");
}

}  // namespace
}  // namespace qlr
