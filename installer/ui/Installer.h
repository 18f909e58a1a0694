#pragma once
// The installer's main window: its controls, its start-up and its button procedures.
//
// The controls, by what they are for:
//   Picture1  the artwork
//   Command1  "&Install QLR": runs the install; then "E&xit", which ends the program
//   Command2  "&Exit Installer": asks, then ends the program; "Done Installing" after the install
//   Text1     the install directory; during the install, the status line
//   Text2     the default playlist; during the install, the details line
//   Command4  "&Browse" for the install directory: opens the install directory picker (Dir)
//   Command3  "B&rowse" for the default playlist: opens the playlist picker (Fil)
//   Label3    the title
//   Label2    the scheduler's description
//   Label4    "Install QLR to :", the caption of Text1; "Status :" during the install
//   Label5    the caption of Text2; "Details :" during the install
//   Label6    the versions of the scheduler and of the installer
//   instfrom  hidden holder of the install source directory (where the installer was started)
//   wnpdir    hidden holder of the player's directory
#include "forms/Controls.h"
#include "installer/engine/InstallSequence.h"
#include "platform/FileSystem.h"
#include "platform/IniFilez.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/WindowSystem.h"

namespace qlr {

// The platform services the installer's procedures work with.
struct InstallerServices {
    WindowSystem& windows;
    FileSystem& files;
    StepRegistry& registry;  // reading, and what an install step writes
    Clock& clock;
    IniFilez& ini;
    Shell& shell;
    RunLog* log = nullptr;  // a run started with switches logs every install step here
};

class Installer : public forms::Form {
public:
    explicit Installer(InstallerServices services);

    forms::PictureBox Picture1;
    forms::Button Command1;
    forms::Button Command2;
    forms::TextBox Text1;
    forms::TextBox Text2;
    forms::Button Command4;
    forms::Button Command3;
    forms::Label Label3;
    forms::Label Label2;
    forms::Label Label4;
    forms::Label Label5;
    forms::Label Label6;
    forms::Label instfrom;
    forms::Label wnpdir;

    // Start-up: closes a running player (after asking), records the install source directory,
    // finds the player's directory and proposes the install directory. May end the program.
    void Form_Load() override;
    // The install: checks the fields, installs, and ends in the Done state; in that state the
    // click ends the program.
    void Command1_Click();
    void Command2_Click();
    // The browse buttons: open the playlist picker (Command3) or the install directory picker
    // (Command4) at the player's directory, modally.
    void Command3_Click();
    void Command4_Click();
    // The controls the install works with, and this window's pause.
    InstallWindow InstallControls();
    // Returns after the given time, handling window events meanwhile.
    void Pause(double milliseconds);

private:
    InstallerServices services_;
};

}  // namespace qlr
