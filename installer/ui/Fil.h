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
#include "forms/FileList.h"
#include "installer/ui/DirectoryBrowser.h"

namespace qlr {

class Fil final : public DirectoryBrowser {
public:
    Fil(WindowSystem& windows, const FileSystem& files);

    forms::FileList File1;
    forms::TextBox Text1;  // the chosen file's full path; the user cannot edit it
    forms::Label Label1;
    forms::TextBox Text2;  // the pattern list

    // Start-up: the file list takes its patterns from the pattern box and lists, once, the
    // directory the picker opened at.
    void Form_Load() override;
    void Text2_Change();
    // The file list follows the directory list.
    void Dir1_Change() override;
    // The chosen file's full path into the path box.
    void File1_Click();
    // As a click, then closes with the path box's path as the choice.
    void File1_DblClick();
    // "&OK": closes with the path box's path as the choice, if it has at least 8 characters.
    void Command1_Click() override;
};

}  // namespace qlr
