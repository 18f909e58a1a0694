#pragma once
// The file list: the ordinary files of a directory (no directories, no hidden or system files)
// whose names match a pattern list, alphabetically, letter case ignored. At most one is
// selected.
#include <string>
#include <vector>

#include "forms/ListControl.h"
#include "platform/FileSystem.h"

namespace qlr::forms {

class FileList : public ListControl {
public:
    // Starts on the process's current directory, with the pattern list "*.*", and empty: its
    // form sets where it opens, then lists it once (Load).
    FileList(std::string name, int id, Rect rect, const FileSystem& files);

    const std::string& Path() const { return path_; }
    const std::string& Pattern() const { return pattern_; }
    // Reads the list, and from now on re-reads it on every new path or pattern.
    void Load();
    // Each re-reads the list at once, once it has been loaded, and leaves no file selected;
    // before, they only record the path or pattern. A directory that cannot be read shows no
    // files. An empty pattern list matches no name, so the list is empty then.
    void SetPath(const std::string& directory);
    void SetPattern(const std::string& patternList);

    // The selected file's bare name; "" when none is selected.
    std::string FileName() const;

    // Selects the file at index and raises onClick, whoever made the choice.
    void Select(int index);
    void SelectByUser(int index);
    // The user double-clicked the file at index: it is selected (onClick), then onDblClick.
    void DoubleClickByUser(int index);

    std::function<void()> onClick;
    std::function<void()> onDblClick;

private:
    void Reload();

    const FileSystem& files_;
    std::string path_;
    std::string pattern_ = "*.*";
    bool loaded_ = false;
};

// What a file list shows of a directory's entries for a pattern list: the ordinary files whose
// names match, sorted, each by the name a program opens it by (a file without one is left out).
// Their names are moved out of the entries, not copied.
std::vector<ListItem> MatchingFiles(std::vector<DirectoryEntry>& entries, const std::string& patternList);

}  // namespace qlr::forms
