#include "installer/ui/Dir.h"

#include "forms/Geometry.h"
#include "installer/registry/RegistryMethods.h"
#include "installer/ui/InstallerIds.h"

namespace qlr {

namespace ids = dir_ids;
using forms::Color;
using forms::Font;
using forms::FromTwips;

namespace {

const Color kGrey = Color::Rgb(128, 128, 128);
const Color kWhite = Color::Rgb(255, 255, 255);
const Font kFont{"MS Sans Serif", 8.25, false, forms::kEastEuropeCharset};

}  // namespace

Dir::Dir(WindowSystem& windows, const FileSystem& files, std::string installDirectory)
    : DirectoryBrowser(ids::kTitle, 389, 317, windows, files,
                       {ids::Drive1, FromTwips(135, 4320, 2865, 315)},
                       {ids::Dir1, FromTwips(135, 315, 5580, 3915)},
                       {ids::Command1, FromTwips(4395, 4320, 1305, 330)},
                       {ids::Command2, FromTwips(3060, 4320, 1290, 330)}),
      Label1("Label1", ids::Label1, FromTwips(150, 60, 5220, 240), "Select Your Winamp Directory :"),
      installDirectory_(std::move(installDirectory)) {
    placement = forms::Placement::CenterScreen;
    for (forms::Control* list : {static_cast<forms::Control*>(&Drive1), static_cast<forms::Control*>(&Dir1)}) {
        list->font = kFont;
        list->background = kGrey;
        list->foreground = kWhite;
    }
    Label1.font = {"Arial", 9, false, forms::kEastEuropeCharset};
    Label1.foreground = kWhite;
    Command1.font = kFont;
    Command2.font = kFont;

    Add({&Drive1, &Dir1, &Label1, &Command1, &Command2});
}

void Dir::Dir1_Change() { Label1.SetCaption("Selected Winamp Directory Is : " + Dir1.Path()); }

void Dir::Command1_Click() { CloseWith(Dir1.Path()); }

void Dir::Command2_Click() {
    if (installDirectory_ == kNotFound) windows_.EndProgram();
    Close();
}

}  // namespace qlr
