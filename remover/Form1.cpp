#include "remover/Form1.h"

#include "common/Paths.h"
#include "common/PlayerDetection.h"
#include "common/RegistryString.h"
#include "remover/RemovalSequence.h"
#include "remover/RemoverIds.h"

namespace qlr::remover {

namespace ids = remover_ids;
using forms::Align;
using forms::Color;

namespace {

const Color kOrange = Color::Rgb(255, 128, 0);
const char kTitle[] = "QLR Remover";

}  // namespace

Form1::Form1(RemoverServices services)
    : Form(kTitle, 610, 106),
      Command1("Command1", ids::Command1, {176, 71, 98, 27}, "&No"),
      Command2("Command2", ids::Command2, {344, 71, 107, 26}, "&Yes"),
      Label1("Label1", ids::Label1, {84, 7, 466, 29}, "Remove Quillora ?"),
      Label2("Label2", ids::Label2, {2, 34, 605, 14}),
      Label3("Label3", ids::Label3, {2, 49, 605, 13}),
      wnpdir("wnpdir", ids::wnpdir),
      services_(services) {
    icon = "APPICON";
    Label1.font = {"MS Sans Serif", 13.5, true};
    Label1.foreground = Color::System(forms::kColorHighlightText);
    Label1.align = Align::Center;
    Label2.foreground = kOrange;
    Label2.align = Align::Center;
    Label3.foreground = kOrange;
    Label3.align = Align::Center;

    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };

    // Keyboard focus order first ("&No" has the focus at start), then the labels and the value
    // holder. Neither button is the default button.
    Add({&Command1, &Command2, &Label1, &Label2, &Label3, &wnpdir});
}

void Form1::Form_Load() {
    Label3.SetCaption("Found QLR In : " + services_.files.CurrentDirectory());

    std::string command;  // stays empty when no plain-string command can be read
    ReadStringValue(services_.registry, kHkeyClassesRoot, kPlayerCommandKey, "", command);
    wnpdir.SetCaption(command);
    // The empty text, the sign that no command was read, names no directory either.
    const std::optional<std::string> directory =
        DetectPlayerDirectory(wnpdir.Caption(), services_.registry, services_.files);
    if (!directory) {
        wnpdir.SetCaption("");
        Label2.SetCaption("[Winamp Not Found Or Too Old Version Installed]");
        return;
    }
    wnpdir.SetCaption(*directory);
    Label2.SetCaption("Found Winamp In : " + wnpdir.Caption());
}

void Form1::Command1_Click() { services_.windows.EndProgram(); }

void Form1::Command2_Click() {
    if (Command2.Caption() == kExitCaption) services_.windows.EndProgram();

    Command1.SetEnabled(false);
    Label1.SetCaption("Erasing QLR ... Wait, Please.");

    const std::vector<std::string> failed =
        RunRemoval({services_.files, services_.registry, services_.log}, wnpdir.Caption());

    Command2.SetCaption(kExitCaption);
    if (failed.empty()) {
        Label1.SetCaption("Erased All QLR Files and Configuration !");
        return;
    }
    Label1.SetCaption("Some QLR Files Could Not Be Erased !");
    services_.windows.MsgBox(ListAtMost(failed), kTitle, kMbOk | kMbIconError);
}

}  // namespace qlr::remover
