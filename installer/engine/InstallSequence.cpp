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

class Install {
public:
    Install(const InstallWindow& window, InstallPlatform platform)
        : window_(window), platform_(platform), failed_(platform.log) {}

    void Run();

private:
    bool FieldsAccepted();
    void CopyFiles(const Copy* first, const Copy* last, const std::string& sourceBase,
                   const std::string& targetBase, bool keepNewerVersions);
    void ShowEnd();

    const InstallWindow& window_;
    InstallPlatform platform_;
    FailedSteps failed_;
};

void Install::Run() {
    if (window_.Command1.Caption() == kExitCaption) window_.windows.EndProgram();
    if (!FieldsAccepted()) return;

    window_.Text1.SetReadOnly(true);
    window_.Text2.SetReadOnly(true);
    const std::string savedPlaylist = window_.Text2.Text();

    // From here on a step that fails is recorded and the install goes on with the next one.
    window_.Command1.SetEnabled(false);
    const std::string installDirectory = window_.Text1.Text();
    Status made = platform_.files.MakeDirectory(installDirectory);
    // An install over an earlier one finds its directory in place: nothing failed.
    if (!made.ok() && platform_.files.IsDirectory(installDirectory)) made = Status::Ok();
    failed_.Check(made, "Make directory " + installDirectory);
    std::string targetBase = WithTrailingBackslash(installDirectory);
    const std::string sourceBase = WithTrailingBackslash(window_.instfrom.Caption());

    window_.Label4.SetCaption("Status :");
    window_.Text1.SetText("Installing ...");
    window_.Text2.SetText("[Copying Files]");
    window_.Label5.SetCaption("Details :");
    window_.Command4.SetEnabled(false);
    window_.Command3.SetEnabled(false);
    window_.Pause(1500);  // lets the window paint the new texts

    const std::string installBase = targetBase;
    CopyFiles(std::begin(kProgramFiles), std::end(kProgramFiles), sourceBase, targetBase, false);

    // Without a System directory the shared files go into the install directory.
    std::string systemDirectory;
    if (failed_.Check(GetSystemDir(platform_.ini, systemDirectory), "Find the System directory"))
        targetBase = WithTrailingBackslash(systemDirectory);
    // Shared system files: a newer version already in place is kept.
    CopyFiles(std::begin(kSystemFiles), std::end(kSystemFiles), sourceBase, targetBase, true);

    targetBase = WithTrailingBackslash(window_.wnpdir.Caption());
    CopyFiles(std::begin(kPlugins), std::end(kPlugins), sourceBase, targetBase, false);

    window_.Text2.SetText("[Writing Program Configuration]");
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
                                   installBase + "qlr111.exe,0", window_.wnpdir.Caption(), "",
                                   1, &linkPath);
        failed_.Check(linked, "Create shortcut " + linkPath);
    }

    ShowEnd();
}

bool Install::FieldsAccepted() {
    if (window_.Text2.Text().size() < kShortestPlaylist) {
        window_.windows.MsgBox(kNoDefaultListText, kNoDefaultListTitle, kMbOk | kMbIconError);
        return false;
    }
    if (window_.Text1.Text().size() < kShortestDirectory) {
        window_.windows.MsgBox("You Must Specify A Directory To Install In !", kInstallerTitle,
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
            if (present && shipped && *shipped < *present) {
                failed_.Check(Status::Ok(), Join({"Keep the newer version in place at ", target}));
                continue;
            }
        }
        failed_.Check(files.CopyReplacing(source, target), Join({"Copy ", copy->source, " to ", target}));
    }
}

void Install::ShowEnd() {
    const std::size_t failures = failed_.Count();
    if (failures == 0) {
        window_.Text1.SetText("Quillora Installed !");
        window_.Text2.SetText("[All Done]");
    } else {
        window_.Text1.SetText("Quillora Installed With Errors !");
        window_.Text2.SetText(Join({"[Steps Failed : ", std::to_string(failures), "]"}));
    }
    window_.Command2.SetEnabled(false);
    window_.Command3.SetEnabled(false);
    window_.Command4.SetEnabled(false);
    window_.Command2.SetCaption("Done Installing");
    window_.Command1.SetCaption(kExitCaption);
    window_.Command1.SetEnabled(true);
    // The window is in its Done state behind the report.
    if (failures != 0)
        window_.windows.MsgBox(ListAtMost(failed_.Lines()), kInstallerTitle, kMbOk | kMbIconError);
}

}  // namespace

void RunInstall(const InstallWindow& window, InstallPlatform platform) { Install(window, platform).Run(); }

}  // namespace qlr
