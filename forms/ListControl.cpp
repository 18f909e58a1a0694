#include "forms/ListControl.h"

#include <algorithm>
#include <cctype>

namespace qlr::forms {

void ListControl::SetItems(std::vector<ListItem> items, int highlighted) {
    items_ = std::move(items);
    highlighted_ = highlighted >= 0 && highlighted < int(items_.size()) ? highlighted : -1;
    Show(Change::Items);
}

bool ListControl::MoveHighlight(int index, bool fromCode) {
    if (index < 0 || index >= int(items_.size()) || index == highlighted_) return false;
    highlighted_ = index;
    if (fromCode) Show(Change::Selection);
    return true;
}

namespace {

// Compares without regard to letter case, without copying either text; texts equal but for case
// keep a fixed order by their bytes, so the order never depends on where the names came from.
bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

}  // namespace

void SortNames(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), LessIgnoringCase);
}

}  // namespace qlr::forms
