#include "forms/FileList.h"

#include "forms/Wildcard.h"

namespace qlr::forms {

std::vector<ListItem> MatchingFiles(std::vector<DirectoryEntry>& entries, const std::string& patternList) {
    const std::vector<std::string> patterns = SplitPatterns(patternList);
    constexpr std::uint32_t kNotOrdinary = kFileAttributeDirectory | kFileAttributeHidden | kFileAttributeSystem;
    std::vector<std::string_view> names;  // views of the names that stay, so nothing is copied
    std::vector<std::uint32_t> entryOf;
    names.reserve(entries.size());
    entryOf.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        DirectoryEntry& entry = entries[i];
        const std::string* name = entry.OpenableName();
        if (entry.attributes & kNotOrdinary || !name || !MatchesAny(patterns, *name)) continue;
        names.push_back(*name);
        entryOf.push_back(std::uint32_t(i));
    }
    std::vector<ListItem> items;
    items.reserve(names.size());
    for (std::uint32_t index : SortOrder(names))
        items.push_back({std::move(*entries[entryOf[index]].OpenableName()), 0, Glyph::None});
    return items;
}

FileList::FileList(std::string name, int id, Rect rect, const FileSystem& files)
    : ListControl(Kind::FileList, std::move(name), id, rect), files_(files), path_(files.CurrentDirectory()) {
    tabStop = true;
}

void FileList::Load() {
    loaded_ = true;
    Reload();
}

void FileList::SetPath(const std::string& directory) {
    path_ = directory;
    Reload();
}

void FileList::SetPattern(const std::string& patternList) {
    pattern_ = patternList;
    Reload();
}

std::string FileList::FileName() const {
    return Highlighted() < 0 ? std::string() : Items()[std::size_t(Highlighted())].text;
}

void FileList::Select(int index) {
    if (MoveHighlight(index, true)) Raise(onClick);
}

void FileList::SelectByUser(int index) {
    if (MoveHighlight(index, false)) Raise(onClick);
}

void FileList::DoubleClickByUser(int index) {
    if (index < 0 || index >= int(Items().size())) return;
    SelectByUser(index);
    Raise(onDblClick);
}

void FileList::Reload() {
    if (!loaded_) return;
    Result<std::vector<DirectoryEntry>> listing = files_.ListDirectory(path_);
    SetItems(listing.ok() ? MatchingFiles(listing.value, pattern_) : std::vector<ListItem>{}, -1);
}

}  // namespace qlr::forms
