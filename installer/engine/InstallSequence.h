#pragma once
// The install button's procedure: checks the two fields, makes the install directory, copies the
// kit's ten files, writes the scheduler's configuration and the player's settings, creates the
// desktop shortcut, and ends in the Done state. It works on the main window only through
// InstallView, so it runs the same with the real window and with a recording one.
#include <string>

#include "platform/FileSystem.h"
#include "platform/IniFilez.h"
#include "platform/Shell.h"

namespace qlr {

// The main window's controls the install works with, by their names there.
enum class InstallTextBox { Text1, Text2 };
enum class InstallLabel { Label4, Label5, instfrom, wnpdir };
enum class InstallButton { Command1, Command2, Command3, Command4 };

class InstallView {
public:
    virtual ~InstallView() = default;
    virtual std::string Text(InstallTextBox box) const = 0;
    virtual void SetText(InstallTextBox box, const std::string& text) = 0;
    virtual void SetReadOnly(InstallTextBox box) = 0;
    virtual std::string Caption(InstallLabel label) const = 0;
    virtual void SetCaption(InstallLabel label, const std::string& caption) = 0;
    virtual std::string Caption(InstallButton button) const = 0;
    virtual void SetCaption(InstallButton button, const std::string& caption) = 0;
    virtual void SetEnabled(InstallButton button, bool enabled) = 0;
    // Waits, letting the window paint and handle its events.
    virtual void Pause(double milliseconds) = 0;
    virtual int MsgBox(const std::string& text, const std::string& title, unsigned style) = 0;
    [[noreturn]] virtual void EndProgram() = 0;
};

struct InstallPlatform {
    FileSystem& files;
    IniFilez& ini;
    Shell& shell;
};

inline constexpr const char* kExitCaption = "E&xit";
inline constexpr const char* kInstallerTitle = "QLR 1.10 Installer";

// One click of the install button. After a completed install the button reads "E&xit" and the
// click ends the program.
void RunInstall(InstallView& view, InstallPlatform platform);

}  // namespace qlr
