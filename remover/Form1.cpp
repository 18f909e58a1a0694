#include "remover/Form1.h"

#include "common/Paths.h"
#include "remover/Registry.h"
#include "remover/RemoverIds.h"

namespace qlr::remover {

namespace ids = remover_ids;
using forms::Align;
using forms::Color;

namespace {

const Color kOrange = Color::Rgb(255, 128, 0);
const char kTitle[] = "QLR Remover";

// The Windows API's codes for a name that names no file: the file or its directory is not there,
// or the name cannot be a file's. Deleting such a name leaves nothing behind, so it is no failure.
enum : std::uint32_t {
    kErrorFileNotFound = 2,
    kErrorPathNotFound = 3,
    kErrorInvalidName = 123,
};

bool NothingThere(Status status) {
    return status.error == kErrorFileNotFound || status.error == kErrorPathNotFound ||
           status.error == kErrorInvalidName;
}

}  // namespace

std::vector<std::string> ConfigurationFileNames() {
    std::vector<std::string> names = {"hvr.ini", "jobs.ini", "jng.ini", "setback.ini", "deflist.fil"};
    names.reserve(5 + 5 * 300);
    for (int n = 1; n <= 300; ++n) {
        const std::string number = std::to_string(n);
        names.push_back("job" + number + ".fil");
        names.push_back("job" + number + ".lis");
        names.push_back("jng" + number + ".fil");
        names.push_back("hvr" + number + ".fil");
        names.push_back("job" + number + ".day");
    }
    return names;
}

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

    wnpdir.SetCaption(
        Registry::ReadRegistryString(services_.registry, kHkeyClassesRoot, kPlayerCommandKey, "", ""));
    // A command that names no directory (too short to be cut by position): not found.
    const std::optional<std::string> directory = PlayerDirectory(wnpdir.Caption());
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

    FileRemoval& files = services_.files;
    // The current directory is taken for the install directory only when the scheduler's program
    // is there: started anywhere else (the System directory, say), the remover deletes no
    // program file, above all no "comdlg32.dll" that belongs to the system.
    const std::string programBase = WithTrailingBackslash(files.CurrentDirectory());
    const bool inInstallDirectory = files.IsFile(programBase + kProgramFile);

    std::vector<std::string> failed;
    // Without a player directory there is nowhere to delete configuration files from; the empty
    // text must not turn into the root of the current drive.
    if (!wnpdir.Caption().empty()) {
        const std::string configurationBase = WithTrailingBackslash(wnpdir.Caption());
        for (const std::string& name : ConfigurationFileNames()) Delete(configurationBase + name, failed);
    }
    if (inInstallDirectory) {
        Delete(programBase + kProgramFile, failed);
        Delete(programBase + kDialogLibrary, failed);
    }

    Command2.SetCaption(kExitCaption);
    if (failed.empty()) {
        Label1.SetCaption("Erased All QLR Files and Configuration !");
        return;
    }
    Label1.SetCaption("Some QLR Files Could Not Be Erased !");
    services_.windows.MsgBox(ListAtMost(failed), kTitle, kMbOk | kMbIconError);
}

void Form1::Delete(const std::string& path, std::vector<std::string>& failed) {
    const Status status = services_.files.RemoveFile(path);
    if (NothingThere(status)) return;
    if (services_.log) services_.log->Step(Join({"Delete ", path}), status);
    if (!status.ok()) failed.push_back(path);
}

}  // namespace qlr::remover
