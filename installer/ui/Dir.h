#pragma once
// The install directory picker: a drive chooser and a directory list; "&OK" closes it with the
// current directory as its choice, which the opener writes into the install directory box.
//
// The controls, by what they are for:
//   Drive1    the drive chooser
//   Dir1      the directory list; its current directory is the choice
//   Label1    the prompt, then the current directory
//   Command1  "&OK": closes with the current directory as the choice
//   Command2  "&Cancel"
#include "forms/Controls.h"
#include "installer/ui/DirectoryBrowser.h"

namespace qlr {

class Dir final : public DirectoryBrowser {
public:
    // installDirectory: the main window's install directory box as it reads at the opening.
    Dir(WindowSystem& windows, const FileSystem& files, std::string installDirectory);

    forms::Label Label1;

    // The label names the current directory.
    void Dir1_Change() override;
    // "&OK": closes with the current directory as the choice.
    void Command1_Click() override;
    // "&Cancel": closes without a choice; ends the installer when the main window's box reads
    // "Not Found".
    void Command2_Click() override;

private:
    const std::string installDirectory_;
};

}  // namespace qlr
