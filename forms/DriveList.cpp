#include "forms/DriveList.h"

#include "forms/DirList.h"
#include "common/LetterCase.h"

namespace qlr::forms {

namespace {

// "c: [SYSTEM]", or "c:" for a drive without a label.
std::string EntryText(const DriveInfo& drive) {
    std::string text{LowerCase(drive.letter), ':'};
    if (!drive.label.empty()) text += " [" + drive.label + "]";
    return text;
}

}  // namespace

DriveList::DriveList(std::string name, int id, Rect rect, const FileSystem& files)
    : ListControl(Kind::DriveList, std::move(name), id, rect), drives_(files.Drives()) {
    tabStop = true;
    std::vector<ListItem> items;
    items.reserve(drives_.size());
    int current = drives_.empty() ? -1 : 0;
    const std::string processDrive = DriveOf(files.CurrentDirectory());
    for (const DriveInfo& drive : drives_) {
        if (!processDrive.empty() && UpperCase(processDrive[0]) == UpperCase(drive.letter))
            current = int(items.size());
        items.push_back({EntryText(drive), 0, Glyph::Drive});
    }
    SetItems(std::move(items), current);
}

std::string DriveList::Drive() const {
    if (Highlighted() < 0) return {};
    return {LowerCase(drives_[std::size_t(Highlighted())].letter), ':'};
}

bool DriveList::SetDrive(const std::string& drive) {
    const std::string wanted = DriveOf(drive);
    if (wanted.empty()) return false;
    for (std::size_t i = 0; i < drives_.size(); ++i) {
        if (LowerCase(drives_[i].letter) != wanted[0]) continue;
        MakeCurrent(int(i), true);
        return true;
    }
    return false;
}

void DriveList::ChooseByUser(int index) { MakeCurrent(index, false); }

bool DriveList::MakeCurrent(int index, bool fromCode) {
    if (!MoveHighlight(index, fromCode)) return false;
    Raise(onChange);
    return true;
}

}  // namespace qlr::forms
