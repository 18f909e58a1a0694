#pragma once
// What the pickers that browse the machine's directories share: a drive chooser that moves a
// directory list (DriveChange), "&OK" as the default button and "&Cancel" as the cancel button,
// each wired to its procedure. A picker of this kind lays these out, adds controls of its own
// and writes the procedures that differ.
#include <string>

#include "forms/Controls.h"
#include "forms/DirList.h"
#include "forms/DriveList.h"
#include "installer/ui/Picker.h"
#include "platform/FileSystem.h"
#include "platform/WindowSystem.h"

namespace qlr {

class DirectoryBrowser : public Picker {
public:
    forms::DriveList Drive1;
    forms::DirList Dir1;
    forms::Button Command1;  // "&OK"
    forms::Button Command2;  // "&Cancel"

    // Opens at the directory by making it the directory list's current one.
    Status OpenAt(const std::string& directory) final { return Dir1.SetPath(directory); }

    // Moves the directory list onto the chosen drive (DriveChange).
    void Drive1_Change();
    // The directory list's current directory changed.
    virtual void Dir1_Change() {}
    // "&OK".
    virtual void Command1_Click() = 0;
    // "&Cancel": closes without a choice.
    virtual void Command2_Click() { Close(); }

protected:
    // Where one of the shared controls sits: its id and its bounds.
    struct Place {
        int id;
        forms::Rect bounds;
    };
    DirectoryBrowser(std::string title, int clientWidth, int clientHeight, WindowSystem& windows,
                     const FileSystem& files, Place drives, Place directories, Place ok, Place cancel);

    WindowSystem& windows_;
};

}  // namespace qlr
