#pragma once
// The installer's main window: its controls, its start-up and its button procedures.
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
    Registry& registry;
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
