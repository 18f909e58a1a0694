#pragma once
// The install button's procedure: checks the two fields, makes the install directory, copies the
// kit's ten files, writes the scheduler's configuration and the player's settings (into its
// directory and, for a player with settings per user, into its settings directory), keeping a
// copy of each file it changes, creates the desktop shortcut, and ends in the Done state. It works on the main window's controls, so it
// runs the same whether a real window or a recording view shows them.
#include <functional>
#include <string>
#include <utility>

#include "common/RunLog.h"
#include "forms/Controls.h"
#include "platform/FileSystem.h"
#include "platform/IniFilez.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/WindowSystem.h"

namespace qlr {

// The main window's controls the install works with, by their names there (installer/ui/Installer.h
// says what each is for), and its pause. It is built from the window itself, each control taken
// by its own name, so no control can be wired to another's place.
struct InstallWindow {
    template <class Form>
    InstallWindow(Form& form, WindowSystem& windows, std::function<void(double milliseconds)> pause)
        : Text1(form.Text1),
          Text2(form.Text2),
          Label4(form.Label4),
          Label5(form.Label5),
          instfrom(form.instfrom),
          wnpdir(form.wnpdir),
          Command1(form.Command1),
          Command2(form.Command2),
          Command3(form.Command3),
          Command4(form.Command4),
          windows(windows),
          Pause(std::move(pause)) {}

    forms::TextBox& Text1;
    forms::TextBox& Text2;
    forms::Label& Label4;
    forms::Label& Label5;
    forms::Label& instfrom;
    forms::Label& wnpdir;
    forms::Button& Command1;
    forms::Button& Command2;
    forms::Button& Command3;
    forms::Button& Command4;
    WindowSystem& windows;  // the window's message boxes, and the end of the program
    // Waits, letting the window paint and handle its events.
    std::function<void(double milliseconds)> Pause;
};

// The platform services the install steps work with.
struct InstallPlatform {
    FileSystem& files;
    IniFilez& ini;
    Shell& shell;
    StepRegistry& registry;
    const Clock& clock;  // names the backup directory of the files an install replaces
    RunLog* log = nullptr;  // a run started with switches logs every step here
};

inline constexpr const char* kExitCaption = "E&xit";
inline constexpr const char* kInstallerTitle = "QLR 1.10 Installer";
// The box of a default playlist that is missing or too short, here and in the playlist picker.
inline constexpr const char* kNoDefaultListText =
    "You Must Specify A Default Playlist Or \"Quillora\" Will Not Work. If You Don't Have A "
    "Default List Yet Quit This Installer, Create One And Try Again.";
inline constexpr const char* kNoDefaultListTitle = "No Default List";
// The install refuses a default playlist or an install directory shorter than these.
inline constexpr std::size_t kShortestPlaylist = 7;
inline constexpr std::size_t kShortestDirectory = 3;

// One click of the install button. After a completed install the button reads "E&xit" and the
// click ends the program.
void RunInstall(const InstallWindow& window, InstallPlatform platform);

}  // namespace qlr
