#include "forms/DirList.h"

#include <algorithm>
#include <cctype>

#include "common/LetterCase.h"
#include "platform/WindowsValues.h"

namespace qlr::forms {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A drive value as the drive chooser reports it: a letter and a colon, nothing else.
bool IsDriveValue(const std::string& path) {
    return path.size() == 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

// A full path ("c:\", "C:\A\B\", "C:\A\.\..\B") as its drive's root ("C:\", letter upper case)
// and the names below it, in the case they were given; false for anything else.
bool Split(const std::string& path, std::string& root, std::vector<std::string>& names) {
    if (path.size() < 3 || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':' ||
        !IsSeparator(path[2]))
        return false;
    root = {UpperCase(path[0]), ':', '\\'};
    names.clear();
    std::size_t start = 3;
    while (start < path.size()) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        const std::string name = path.substr(start, end - start);
        if (name == "..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    return true;
}

// How many levels below its drive's root a path as Path() gives it lies.
std::size_t DepthOf(const std::string& path) {
    return path.size() <= 3 ? 0 : std::size_t(std::count(path.begin(), path.end(), '\\'));
}

}  // namespace

std::string DriveOf(const std::string& path) {
    if (path.size() < 2 || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':')
        return {};
    return {LowerCase(path[0]), ':'};
}

DirList::DirList(std::string name, int id, Rect rect, const FileSystem& files)
    : ListControl(Kind::DirList, std::move(name), id, rect), files_(files) {
    tabStop = true;
    Load(files_.CurrentDirectory());
}

Status DirList::SetPath(const std::string& path) { return Load(path); }

void DirList::HighlightByUser(int index) { MoveHighlight(index, false); }

void DirList::ActivateByUser(int index) {
    if (index < 0 || index >= int(Items().size())) return;
    if (Load(EntryPath(index)).ok()) return;
    // Gone or barred meanwhile: stay here, and show what is here now.
    const std::string current = path_;
    Load(current);
}

std::string DirList::EntryPath(int index) const {
    if (index < 0 || index >= int(Items().size()) || path_.empty()) return {};
    const std::size_t depth = DepthOf(path_);
    std::string path = path_.substr(0, 3);  // the root, "C:\"
    if (std::size_t(index) <= depth) {
        for (int level = 1; level <= index; ++level) {
            if (level > 1) path += '\\';
            path += Items()[std::size_t(level)].text;
        }
        return path;
    }
    if (depth > 0) path = path_ + '\\';
    return path + Items()[std::size_t(index)].text;
}

Status DirList::Load(const std::string& path) {
    std::string target = path;
    if (IsDriveValue(path)) {
        Result<std::string> current = files_.DriveCurrentDirectory(UpperCase(path[0]));
        if (!current.ok()) return current.status;
        target = current.value;
    }
    std::string root;
    std::vector<std::string> chain;
    if (!Split(target, root, chain)) return Status::Fail(kErrorInvalidName);
    std::string full = root;
    for (std::size_t i = 0; i < chain.size(); ++i) full += (i ? "\\" : "") + chain[i];

    Result<std::vector<DirectoryEntry>> listing = files_.ListDirectory(full);
    if (!listing.ok()) return listing.status;
    // Hidden and system directories are listed too: they can be entered like any other. Each is
    // listed by the name it is entered by; one without such a name cannot be entered.
    std::vector<std::string> subdirectories;
    for (DirectoryEntry& entry : listing.value)
        if (std::string* name = entry.OpenableName(); name && entry.attributes & kFileAttributeDirectory)
            subdirectories.push_back(std::move(*name));
    SortNames(subdirectories);

    const int depth = int(chain.size());
    std::vector<ListItem> items;
    items.reserve(chain.size() + 1 + subdirectories.size());
    items.push_back({DriveOf(root) + '\\', 0, Glyph::OpenFolder});  // "c:\", as the chooser names it
    for (std::size_t i = 0; i < chain.size(); ++i)
        items.push_back({std::move(chain[i]), int(i) + 1, Glyph::OpenFolder});
    for (std::string& name : subdirectories) items.push_back({std::move(name), depth + 1, Glyph::ClosedFolder});

    const bool changed = full != path_;
    path_ = std::move(full);
    SetItems(std::move(items), depth);
    if (changed) Raise(onChange);
    return Status::Ok();
}

}  // namespace qlr::forms
