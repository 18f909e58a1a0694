#include "installer/engine/InstallSequence.h"

#include <iterator>

#include "common/Paths.h"
#include "installer/engine/ConfigFiles.h"
#include "installer/engine/FailedSteps.h"
#include "installer/engine/ShellLink.h"
#include "installer/engine/SystemDirs.h"
#include "installer/engine/WinampSettings.h"
#include "platform/WindowSystem.h"

namespace qlr {

namespace {

using Box = InstallTextBox;
using Label = InstallLabel;
using Button = InstallButton;

struct Copy {
    const char* source;
    const char* target;
};

// The kit's files, in the order they are copied, by where they go.
const Copy kProgramFiles[] = {
    {"_setup.qlr", "qlr111.exe"},          // the scheduler
    {"_isdel.qlr", "qlr_remover.exe"},     // the remover
    {"comdlg32.dll", "comdlg32.dll"},
};
const Copy kSystemFiles[] = {
    {"comdlg32.dll", "comdlg32.dll"}, {"comdlg32.ocx", "comdlg32.ocx"},
    {"comdlg32.dep", "comdlg32.dep"}, {"comdlg32.oca", "comdlg32.oca"},
    {"msvbvm60.dll", "msvbvm60.dll"},
};
const Copy kPlugins[] = {
    {"out_ds_ssrc.dl_", "plugins\\OUT_DS_SSRC.DLL"},  // the output plug-in the settings select
    {"in_line.dl_", "plugins\\IN_LINE.DLL"},
};

const char kNoDefaultList[] =
    "You Must Specify A Default Playlist Or \"Quillora\" Will Not Work. If You Don't Have A "
    "Default List Yet Quit This Installer, Create One And Try Again.";

class Install {
public:
    Install(InstallView& view, InstallPlatform platform) : view_(view), platform_(platform) {}

    void Run();

private:
    bool FieldsAccepted();
    void CopyFiles(const Copy* first, const Copy* last, const std::string& sourceBase,
                   const std::string& targetBase, bool keepNewerVersions);
    void ShowEnd();

    InstallView& view_;
    InstallPlatform platform_;
    FailedSteps failed_;
};

void Install::Run() {
    if (view_.Caption(Button::Command1) == kExitCaption) view_.EndProgram();
    if (!FieldsAccepted()) return;

    view_.SetReadOnly(Box::Text1);
    view_.SetReadOnly(Box::Text2);
    const std::string savedPlaylist = view_.Text(Box::Text2);

    // From here on a step that fails is recorded and the install goes on with the next one.
    view_.SetEnabled(Button::Command1, false);
    const std::string installDirectory = view_.Text(Box::Text1);
    Status made = platform_.files.MakeDirectory(installDirectory);
    // An install over an earlier one finds its directory in place: nothing failed.
    if (!made.ok() && platform_.files.IsDirectory(installDirectory)) made = Status::Ok();
    failed_.Check(made, "Make directory " + installDirectory);
    std::string targetBase = WithTrailingBackslash(installDirectory);
    const std::string sourceBase = WithTrailingBackslash(view_.Caption(Label::instfrom));

    view_.SetCaption(Label::Label4, "Status :");
    view_.SetText(Box::Text1, "Installing ...");
    view_.SetText(Box::Text2, "[Copying Files]");
    view_.SetCaption(Label::Label5, "Details :");
    view_.SetEnabled(Button::Command4, false);
    view_.SetEnabled(Button::Command3, false);
    view_.Pause(1500);  // lets the window paint the new texts

    const std::string installBase = targetBase;
    CopyFiles(std::begin(kProgramFiles), std::end(kProgramFiles), sourceBase, targetBase, false);

    // Without a System directory the shared files go into the install directory.
    std::string systemDirectory;
    if (failed_.Check(GetSystemDir(platform_.ini, systemDirectory), "Find the System directory"))
        targetBase = WithTrailingBackslash(systemDirectory);
    // Shared system files: a newer version already in place is kept.
    CopyFiles(std::begin(kSystemFiles), std::end(kSystemFiles), sourceBase, targetBase, true);

    targetBase = WithTrailingBackslash(view_.Caption(Label::wnpdir));
    CopyFiles(std::begin(kPlugins), std::end(kPlugins), sourceBase, targetBase, false);

    view_.SetText(Box::Text2, "[Writing Program Configuration]");
    WriteConfigFiles(platform_.files, targetBase, savedPlaylist, failed_);
    WriteWinampSettings(platform_.ini, targetBase + "winamp.ini", failed_);

    // The desktop shortcut: the scheduler runs in the player's directory, as the window holds it.
    // Without the program at its target the shortcut would lead nowhere: it is not made.
    std::string linkPath = "Quillora on the desktop";
    if (!platform_.files.IsFile(installBase + "qlr111.exe")) {
        failed_.Skip("Create shortcut " + linkPath, "the program was not installed");
    } else {
        Status linked = CreateLink({platform_.shell, platform_.files}, 0, "Quillora",
                                   installBase + "qlr111.exe", "CTRL+SHIFT+W",
                                   installBase + "qlr111.exe,0", view_.Caption(Label::wnpdir), "",
                                   1, &linkPath);
        failed_.Check(linked, "Create shortcut " + linkPath);
    }

    ShowEnd();
}

bool Install::FieldsAccepted() {
    if (view_.Text(Box::Text2).size() < 7) {
        view_.MsgBox(kNoDefaultList, "No Default List", kMbOk | kMbIconError);
        return false;
    }
    if (view_.Text(Box::Text1).size() < 3) {
        view_.MsgBox("You Must Specify A Directory To Install In !", kInstallerTitle,
                     kMbOk | kMbIconError);
        return false;
    }
    return true;
}

void Install::CopyFiles(const Copy* first, const Copy* last, const std::string& sourceBase,
                        const std::string& targetBase, bool keepNewerVersions) {
    FileSystem& files = platform_.files;
    for (const Copy* copy = first; copy != last; ++copy) {
        const std::string source = sourceBase + copy->source;
        const std::string target = targetBase + copy->target;
        if (keepNewerVersions) {
            std::optional<FileVersion> present = files.VersionOf(target);
            std::optional<FileVersion> shipped = files.VersionOf(source);
            if (present && shipped && *shipped < *present) continue;
        }
        failed_.Check(files.CopyReplacing(source, target),
                      std::string("Copy ") + copy->source + " to " + target);
    }
}

void Install::ShowEnd() {
    const std::size_t failures = failed_.Count();
    if (failures == 0) {
        view_.SetText(Box::Text1, "Quillora Installed !");
        view_.SetText(Box::Text2, "[All Done]");
    } else {
        view_.SetText(Box::Text1, "Quillora Installed With Errors !");
        view_.SetText(Box::Text2, "[Steps Failed : " + std::to_string(failures) + "]");
    }
    view_.SetEnabled(Button::Command2, false);
    view_.SetEnabled(Button::Command3, false);
    view_.SetEnabled(Button::Command4, false);
    view_.SetCaption(Button::Command2, "Done Installing");
    view_.SetCaption(Button::Command1, kExitCaption);
    view_.SetEnabled(Button::Command1, true);
    // The window is in its Done state behind the report.
    if (failures != 0)
        view_.MsgBox(ListAtMost(failed_.Lines()), kInstallerTitle, kMbOk | kMbIconError);
}

}  // namespace

void RunInstall(InstallView& view, InstallPlatform platform) { Install(view, platform).Run(); }

}  // namespace qlr
