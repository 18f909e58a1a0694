#pragma once
// The default playlist picker: a drive chooser, a directory list and a file list filtered by an
// editable pattern list; the chosen file's full path goes into the main window's playlist box.
//
// The controls, by what they are for:
//   Drive1    the drive chooser
//   Dir1      the directory list
//   File1     the files of Dir1's directory that match the patterns
//   Text1     the chosen file's full path (read-only)
//   Command1  "&OK": the chosen path into the main window's playlist box
//   Command2  "&Cancel"
//   Label1    "Select Your Default Playlist :"
//   Text2     the pattern list, "*.m3u; *.pls" at first
#include "forms/Controls.h"
#include "forms/DirList.h"
#include "forms/DriveList.h"
#include "forms/FileList.h"
#include "platform/FileSystem.h"
#include "platform/WindowSystem.h"

namespace qlr {

class Fil final : public forms::Form {
public:
    // defaultPlaylist: the main window's box the picker writes. Runs Form_Load.
    Fil(WindowSystem& windows, const FileSystem& files, forms::TextBox& defaultPlaylist);

    forms::DriveList Drive1;
    forms::DirList Dir1;
    forms::FileList File1;
    forms::TextBox Text1;  // the chosen file's full path; the user cannot edit it
    forms::Button Command1;
    forms::Button Command2;
    forms::Label Label1;
    forms::TextBox Text2;  // the pattern list

    // The file list takes its patterns from the pattern box.
    void Form_Load() override;
    void Text2_Change();
    void Drive1_Change();
    // The file list follows the directory list.
    void Dir1_Change();
    // The chosen file's full path into the path box.
    void File1_Click();
    // As a click, then the path into the main window's box, and close.
    void File1_DblClick();
    // "&OK": the path into the main window's box and close, if it has at least 8 characters.
    void Command1_Click();
    // "&Cancel": closes; nothing is written.
    void Command2_Click();

private:
    // The path box's text into the main window's box, then close.
    void WriteBackAndClose();

    WindowSystem& windows_;
    forms::TextBox& defaultPlaylist_;
};

}  // namespace qlr
