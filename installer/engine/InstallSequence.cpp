#include "installer/engine/InstallSequence.h"

#include <iterator>

#include "common/Paths.h"
#include "installer/engine/BackupDirectory.h"
#include "installer/engine/ConfigFiles.h"
#include "installer/engine/FailedSteps.h"
#include "installer/engine/SettingsDirectory.h"
#include "installer/engine/ShellLink.h"
#include "installer/engine/SystemDirs.h"
#include "installer/engine/WinampSettings.h"
#include "platform/WindowSystem.h"

namespace qlr {

using namespace std::literals;

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
    // The user's two choices are read before the window's fields turn into the progress report.
    Install(const InstallWindow& window, InstallPlatform platform)
        : window_(window), platform_(platform), installDirectory_(window.Text1.Text()),
          playlist_(window.Text2.Text()), failed_(platform.log) {}

    void Run();

private:
    using Step = void (Install::*)();
    static const Step kScript[];

    bool FieldsAccepted();

    // What the window shows; these steps change nothing outside it.
    void ShowStarted();
    void ShowCopying();
    void ShowWritingConfiguration();
    void ShowDone();
    void ReportFailures();

    // The work. A step that fails is recorded, and the install goes on with the next one.
    void MakeInstallDirectory();
    void CopyProgramFiles();
    void CopySharedFiles();
    void CopyPlugIns();
    void WriteConfiguration();
    void WriteSettings();
    void WriteSettingsWherePlayerReads();
    void CreateDesktopShortcut();

    // The directories the steps work in, each as a base for file names (ending in '\').
    std::string InstallBase() const { return WithTrailingBackslash(installDirectory_); }
    std::string SourceBase() const { return WithTrailingBackslash(window_.instfrom.Caption()); }
    std::string PlayerBase() const { return WithTrailingBackslash(window_.wnpdir.Caption()); }

    void CopyFiles(const Copy* first, const Copy* last, const std::string& targetBase,
                   bool keepNewerVersions);
    void WriteSettingsInto(const std::string& settingsFile, const std::string& backupSubdirectory);

    const InstallWindow& window_;
    InstallPlatform platform_;
    const std::string installDirectory_;
    const std::string playlist_;
    FailedSteps failed_;
    BackupDirectory backup_{platform_.files, platform_.clock, PlayerBase()};
};

// The install, one step a line, in this order. A new step is a member function above and its
// line here.
const Install::Step Install::kScript[] = {
    &Install::ShowStarted,
    &Install::MakeInstallDirectory,
    &Install::ShowCopying,
    &Install::CopyProgramFiles,
    &Install::CopySharedFiles,
    &Install::CopyPlugIns,
    &Install::ShowWritingConfiguration,
    &Install::WriteConfiguration,
    &Install::WriteSettings,
    &Install::WriteSettingsWherePlayerReads,
    &Install::CreateDesktopShortcut,
    &Install::ShowDone,
    &Install::ReportFailures,
};

void Install::Run() {
    if (window_.Command1.Caption() == kExitCaption) window_.windows.EndProgram();
    if (!FieldsAccepted()) return;
    for (Step step : kScript) (this->*step)();
}

bool Install::FieldsAccepted() {
    if (playlist_.size() < kShortestPlaylist) {
        window_.windows.MsgBox(kNoDefaultListText, kNoDefaultListTitle, kMbOk | kMbIconError);
        return false;
    }
    if (installDirectory_.size() < kShortestDirectory) {
        window_.windows.MsgBox("You Must Specify A Directory To Install In !", kInstallerTitle,
                               kMbOk | kMbIconError);
        return false;
    }
    return true;
}

// The fields take no more input, and the button no second click.
void Install::ShowStarted() {
    window_.Text1.SetReadOnly(true);
    window_.Text2.SetReadOnly(true);
    window_.Command1.SetEnabled(false);
}

void Install::ShowCopying() {
    window_.Label4.SetCaption("Status :");
    window_.Text1.SetText("Installing ...");
    window_.Text2.SetText("[Copying Files]");
    window_.Label5.SetCaption("Details :");
    window_.Command4.SetEnabled(false);
    window_.Command3.SetEnabled(false);
    window_.Pause(1500);  // lets the window paint the new texts
}

void Install::ShowWritingConfiguration() { window_.Text2.SetText("[Writing Program Configuration]"); }

void Install::ShowDone() {
    const std::size_t failures = failed_.Count();
    if (failures == 0) {
        window_.Text1.SetText("Quillora Installed !");
        window_.Text2.SetText("[All Done]");
    } else {
        window_.Text1.SetText("Quillora Installed With Errors !");
        window_.Text2.SetText(Join({"[Steps Failed : "sv, std::to_string(failures), "]"sv}));
    }
    window_.Command2.SetEnabled(false);
    window_.Command3.SetEnabled(false);
    window_.Command4.SetEnabled(false);
    window_.Command2.SetCaption("Done Installing");
    window_.Command1.SetCaption(kExitCaption);
    window_.Command1.SetEnabled(true);
}

// The window is in its Done state behind the report.
void Install::ReportFailures() {
    if (failed_.Count() != 0)
        window_.windows.MsgBox(ListAtMost(failed_.Lines()), kInstallerTitle, kMbOk | kMbIconError);
}

void Install::MakeInstallDirectory() {
    Status made = platform_.files.MakeDirectory(installDirectory_);
    // An install over an earlier one finds its directory in place: nothing failed.
    if (!made.ok() && platform_.files.IsDirectory(installDirectory_)) made = Status::Ok();
    failed_.Check(made, "Make directory " + installDirectory_);
}

void Install::CopyProgramFiles() {
    CopyFiles(std::begin(kProgramFiles), std::end(kProgramFiles), InstallBase(), false);
}

// Shared system files go into the System directory, or, without one, into the install directory.
// A newer version already in place is kept.
void Install::CopySharedFiles() {
    std::string systemDirectory;
    const bool found = failed_.Check(GetSystemDir(platform_.ini, systemDirectory), "Find the System directory");
    CopyFiles(std::begin(kSystemFiles), std::end(kSystemFiles),
              found ? WithTrailingBackslash(systemDirectory) : InstallBase(), true);
}

void Install::CopyPlugIns() {
    CopyFiles(std::begin(kPlugins), std::end(kPlugins), PlayerBase(), false);
}

void Install::WriteConfiguration() {
    WriteConfigFiles(platform_.files, PlayerBase(), playlist_, backup_, failed_);
}

void Install::WriteSettings() { WriteSettingsInto(PlayerBase() + "winamp.ini", ""); }

// A player installed with settings per user reads winamp.ini from the directory its paths.ini
// names, never from its own directory. Without that value there is nothing more to write.
void Install::WriteSettingsWherePlayerReads() {
    const std::string pathsFile = PlayerBase() + kPlayerPathsFile;
    const std::string inidir = platform_.ini.GetPrivateProfileStringA(
        kPlayerPathsSection, kPlayerSettingsDirectoryKey, kMissingProfileValue, pathsFile);
    if (inidir == kMissingProfileValue) return;
    const Result<std::string> directory =
        ResolveSettingsDirectory(inidir, window_.wnpdir.Caption(), platform_.shell);
    if (!failed_.Check(directory.status, Join({"Find the settings directory "sv, kPlayerSettingsDirectoryKey,
                                               "="sv, inidir, " of "sv, pathsFile})) ||
        !failed_.Check(MakeSettingsDirectory(platform_.files, directory.value),
                       Join({"Make directory "sv, directory.value})))
        return;
    WriteSettingsInto(WithTrailingBackslash(directory.value) + "winamp.ini", kSettingsBackupSubdirectory);
}

// The scheduler runs in the player's directory, as the window holds it. Without the program at
// its target the shortcut would lead nowhere: it is not made.
void Install::CreateDesktopShortcut() {
    const std::string program = InstallBase() + "qlr111.exe";
    std::string linkPath = "Quillora on the desktop";
    const bool installed = platform_.files.IsFile(program);
    Status linked = Status::Ok();
    if (installed) {
        LinkRequest link;
        link.name = "Quillora";
        link.target = program;
        link.hotKey = "CTRL+SHIFT+W";
        link.icon = program + ",0";
        link.workingDirectory = window_.wnpdir.Caption();
        linked = CreateLink({platform_.shell, platform_.files}, link, &linkPath);
    }
    // One step name for both ends (smaller): the shortcut's path once it is known.
    const std::string step = "Create shortcut " + linkPath;
    if (installed)
        failed_.Check(linked, step);
    else
        failed_.Skip(step, "the program was not installed");
}

void Install::CopyFiles(const Copy* first, const Copy* last, const std::string& targetBase,
                        bool keepNewerVersions) {
    FileSystem& files = platform_.files;
    const std::string sourceBase = SourceBase();
    for (const Copy* copy = first; copy != last; ++copy) {
        const std::string source = sourceBase + copy->source;
        const std::string target = targetBase + copy->target;
        if (keepNewerVersions) {
            std::optional<FileVersion> present = files.VersionOf(target);
            std::optional<FileVersion> shipped = files.VersionOf(source);
            if (present && shipped && *shipped < *present) {
                failed_.Check(Status::Ok(), "Keep the newer version in place at " + target);
                continue;
            }
        }
        failed_.Check(files.CopyReplacing(source, target),
                      Join({"Copy "sv, copy->source, " to "sv, target}));
    }
}

// The player's settings, after a copy of the file when they change values it holds.
void Install::WriteSettingsInto(const std::string& settingsFile, const std::string& backupSubdirectory) {
    if (platform_.files.IsFile(settingsFile) && WouldChangeSettings(platform_.ini, settingsFile) &&
        !backup_.KeepCopy(settingsFile, backupSubdirectory, failed_))
        return;
    WriteWinampSettings(platform_.ini, settingsFile, failed_);
}

}  // namespace

void RunInstall(const InstallWindow& window, InstallPlatform platform) { Install(window, platform).Run(); }

}  // namespace qlr
