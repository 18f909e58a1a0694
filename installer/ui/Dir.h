#pragma once
// The install directory picker: a drive chooser and a directory list; "&OK" writes the current
// directory into the main window's install directory box.
//
// The controls, by what they are for:
//   Drive1    the drive chooser
//   Dir1      the directory list; its current directory is the choice
//   Label1    the prompt, then the current directory
//   Command1  "&OK": the choice into the main window's install directory box
//   Command2  "&Cancel"
#include "forms/Controls.h"
#include "forms/DirList.h"
#include "forms/DriveList.h"
#include "platform/FileSystem.h"
#include "platform/WindowSystem.h"

namespace qlr {

class Dir final : public forms::Form {
public:
    // installDirectory: the main window's box the picker reads ("&Cancel") and writes ("&OK").
    Dir(WindowSystem& windows, const FileSystem& files, forms::TextBox& installDirectory);

    forms::DriveList Drive1;
    forms::DirList Dir1;
    forms::Label Label1;
    forms::Button Command1;
    forms::Button Command2;

    void Drive1_Change();
    // The label names the current directory.
    void Dir1_Change();
    // "&OK": the current directory into the main window's box, then close.
    void Command1_Click();
    // "&Cancel": closes; ends the installer when the main window's box reads "Not Found".
    void Command2_Click();

private:
    WindowSystem& windows_;
    forms::TextBox& installDirectory_;
};

}  // namespace qlr
