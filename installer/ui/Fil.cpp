#include "installer/ui/Fil.h"

#include "common/Paths.h"
#include "forms/Geometry.h"
#include "installer/engine/InstallSequence.h"
#include "installer/ui/InstallerIds.h"

namespace qlr {

namespace ids = fil_ids;
using forms::Color;
using forms::FromTwips;

namespace {

const Color kGrey = Color::Rgb(128, 128, 128);
const Color kWindowColor = Color::System(forms::kColorWindow);

// A path this short names no playlist a user would have chosen.
constexpr std::size_t kShortestPath = 8;

}  // namespace

Fil::Fil(WindowSystem& windows, const FileSystem& files)
    : DirectoryBrowser(ids::kTitle, 570, 256, windows, files,
                       {ids::Drive1, FromTwips(60, 2940, 4335, 315)},
                       {ids::Dir1, FromTwips(4425, 465, 4065, 2790)},
                       {ids::Command1, FromTwips(6600, 3360, 1905, 390)},
                       {ids::Command2, FromTwips(4425, 3360, 1830, 390)}),
      File1("File1", ids::File1, FromTwips(60, 480, 4320, 2430), files),
      Text1("Text1", ids::Text1, FromTwips(75, 75, 8415, 300)),
      Label1("Label1", ids::Label1, FromTwips(75, 3555, 2085, 270), "Select Your Default Playlist :"),
      Text2("Text2", ids::Text2, FromTwips(2100, 3450, 1710, 285), "*.m3u; *.pls") {
    placement = forms::Placement::CenterOwner;
    for (forms::Control* control : std::initializer_list<forms::Control*>{&Drive1, &Dir1, &Text1, &Text2}) {
        control->background = kGrey;
        control->foreground = kWindowColor;
    }
    File1.background = kGrey;
    File1.foreground = Color::System(forms::kColorMenu);
    Label1.foreground = Color::System(forms::kColorHighlightText);
    Text1.SetReadOnly(true);
    Text2.font = {"MS Sans Serif", 8.25, true, forms::kEastEuropeCharset};

    Text2.onChange = [this] { Text2_Change(); };
    File1.onClick = [this] { File1_Click(); };
    File1.onDblClick = [this] { File1_DblClick(); };

    Add({&Drive1, &Dir1, &File1, &Text1, &Command1, &Command2, &Label1, &Text2});
}

void Fil::Form_Load() {
    File1.SetPattern(Text2.Text());
    File1.Load();
}

void Fil::Text2_Change() { File1.SetPattern(Text2.Text()); }

void Fil::Dir1_Change() { File1.SetPath(Dir1.Path()); }

void Fil::File1_Click() { Text1.SetText(WithTrailingBackslash(Dir1.Path()) + File1.FileName()); }

void Fil::File1_DblClick() {
    File1_Click();
    CloseWith(Text1.Text());
}

void Fil::Command1_Click() {
    if (Text1.Text().size() < kShortestPath) {
        windows_.MsgBox(kNoDefaultListText, kNoDefaultListTitle, kMbOk | kMbIconError);
        return;
    }
    CloseWith(Text1.Text());
}

}  // namespace qlr
