#include "installer/ui/Installer.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/Paths.h"
#include "common/PlayerDetection.h"
#include "installer/engine/InstallSequence.h"
#include "installer/registry/RegistryMethods.h"
#include "installer/ui/Dir.h"
#include "installer/ui/Fil.h"
#include "installer/ui/InstallerIds.h"
#include "installer/ui/WinampControl.h"

namespace qlr {

namespace ids = installer_ids;
using forms::Align;
using forms::Color;
using forms::Font;

namespace {

const Color kOrange = Color::Rgb(255, 128, 0);
const Color kWhite = Color::Rgb(255, 255, 255);
const Font kFieldFont{"MS Sans Serif", 9.75, true};

const char kDescription[] =
    "Quillora is a radio-automation scheduler for Winamp. It plays your jingles, your heavy "
    "rotation and your timed jobs around a default playlist, all day long, so your station runs "
    "without an operator.\r\n\r\n"
    "It is modest in its needs: about 2 MB of memory and 3 MB of disk space. Winamp must be "
    "installed on this computer before Quillora is.\r\n\r\n"
    "Tried on Windows 95, 98, ME, NT 4.0, 2000 and XP.\r\n\r\n"
    "Thank you for choosing Quillora!";

// Opens the picker at the directory, shows it modally and returns the path chosen in it. A
// directory the picker cannot open at gives way to "c:\", once; when it cannot open there
// either, to the first drive that can be read.
std::optional<std::string> Browse(Picker& picker, const std::string& directory,
                                  const InstallerServices& services) {
    if (!picker.OpenAt(directory).ok() && !picker.OpenAt("c:\\").ok()) {
        for (const DriveInfo& drive : services.files.Drives())
            if (drive.readable && picker.OpenAt(std::string{drive.letter, ':', '\\'}).ok()) break;
    }
    services.windows.ShowModal(picker);
    return picker.Chosen();
}

const std::string kVersionText = "QLR Version : 1.11c Release 4  [20th March 2003]" +
                                 std::string(48, ' ') + "Installer Version : 1.00";

}  // namespace

Installer::Installer(InstallerServices services)
    : Form("QLR Installer", 707, 317),
      Picture1("Picture1", ids::Picture1, {400, 7, 304, 201}, "artwork"),
      Command1("Command1", ids::Command1, {545, 280, 161, 32}, "&Install QLR"),
      Command2("Command2", ids::Command2, {400, 280, 137, 32}, "&Exit Installer"),
      Text1("Text1", ids::Text1, {9, 216, 593, 21}, "Winamp Directory"),
      Text2("Text2", ids::Text2, {8, 253, 593, 21}),
      Command4("Command4", ids::Command4, {608, 216, 96, 22}, "&Browse"),
      Command3("Command3", ids::Command3, {608, 252, 96, 22}, "B&rowse"),
      Label3("Label3", ids::Label3, {8, 8, 386, 27}, "Quillora Installer"),
      Label2("Label2", ids::Label2, {8, 37, 387, 133}, kDescription),
      Label4("Label4", ids::Label4, {9, 203, 107, 13}, "Install QLR to :"),
      Label5("Label5", ids::Label5, {9, 240, 292, 13},
             "Specify A Default List To Be Loaded After Jingles Are Played :"),
      Label6("Label6", ids::Label6, {8, 282, 384, 28}, kVersionText),
      instfrom("instfrom", ids::instfrom),
      wnpdir("wnpdir", ids::wnpdir),
      services_(services) {
    icon = "APPICON";
    Label3.font = {"Arial", 17.25, true};
    Label3.foreground = kOrange;
    Label3.align = Align::Center;
    Label2.foreground = Color::System(forms::kColorHighlightText);
    Label4.foreground = kWhite;
    Label5.foreground = kWhite;
    Label5.autoSize = true;
    Label6.foreground = kOrange;
    Text1.font = kFieldFont;
    Text2.font = kFieldFont;
    Command1.isDefault = true;

    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };

    // Keyboard focus order first, then the labels and the hidden value holders.
    Add({&Picture1, &Command1, &Command2, &Text1, &Text2, &Command4, &Command3, &Label3, &Label2,
         &Label4, &Label5, &Label6, &instfrom, &wnpdir});
}

void Installer::Form_Load() {
    WindowSystem& windows = services_.windows;

    if (WinampControl::FindWinampWindow(windows) != 0) {
        int answer = windows.MsgBox(
            "Winamp Was Found Running And Needs To Be Closed To Install QLR. Close Winamp Now ?",
            "QLR Installer", kMbYesNo | kMbIconQuestion);
        if (answer == kIdNo) windows.EndProgram();
    }
    WinampControl::CloseWinamp(windows);

    instfrom.SetCaption(services_.files.CurrentDirectory());

    // Text1 is the working store of the detection: each result is written there and read back.
    // "Not Found" names no directory: it names no program and is too short to be cut.
    Text1.SetText(ReadRegistry(services_.registry, kHkeyClassesRoot, kPlayerCommandKey, ""));
    const std::optional<std::string> directory =
        DetectPlayerDirectory(Text1.Text(), services_.registry, services_.files);
    if (!directory) {
        windows.MsgBox(
            "Winamp Directory Could Not Be Detected. Do You Have Winamp Installed ? If You Do, "
            "Please Install A Newer Version ! (Try Versions Above 1.7)",
            "Could Not Detect Winamp Dir", kMbOk | kMbIconError);
        windows.EndProgram();
    }
    Text1.SetText(*directory);
    wnpdir.SetCaption(Text1.Text());
    Text1.SetText(Text1.Text() + "\\qlr111");
}

InstallWindow Installer::InstallControls() {
    return InstallWindow(*this, services_.windows, [this](double ms) { Pause(ms); });
}

void Installer::Command1_Click() {
    RunInstall(InstallControls(), {services_.files, services_.ini, services_.shell, services_.registry,
                                    services_.clock, services_.log});
}

void Installer::Command2_Click() {
    if (services_.windows.MsgBox("Quit QLR Installer ?", "QLR Installer",
                                 kMbYesNo | kMbIconQuestion) != kIdNo)
        services_.windows.EndProgram();
}

// Each opening starts afresh: the picker lives for this click only. The box takes the choice.
void Installer::Command3_Click() {
    Fil picker(services_.windows, services_.files);
    if (std::optional<std::string> playlist = Browse(picker, wnpdir.Caption(), services_))
        Text2.SetText(*playlist);
}

void Installer::Command4_Click() {
    Dir picker(services_.windows, services_.files, Text1.Text());
    if (std::optional<std::string> directory = Browse(picker, wnpdir.Caption(), services_))
        Text1.SetText(*directory);
}

void Installer::Pause(double milliseconds) {
    if (std::isnan(milliseconds)) milliseconds = 0;
    const double start = services_.clock.NowMs();
    for (;;) {
        const double remaining = milliseconds - (services_.clock.NowMs() - start);
        if (remaining < 0) return;
        // Wake at least once a second, so a long pause never waits on one huge timeout.
        services_.windows.ProcessEvents(static_cast<std::uint32_t>(std::ceil(std::min(remaining, 1000.0))) + 1);
    }
}

}  // namespace qlr
