#include "forms/ListControl.h"

#include <algorithm>
#include <cstdint>

#include "common/LetterCase.h"

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

// A name's first 16 bytes, letter case folded, packed so that comparing the numbers compares the
// bytes in order; with its place among the names. Most comparisons of a sort end in these two
// numbers, without reaching the name's own text elsewhere in memory.
struct SortKey {
    std::uint64_t head[2];
    std::uint32_t index;
};

SortKey KeyOf(std::string_view name, std::uint32_t index) {
    SortKey key{{0, 0}, index};
    for (std::size_t i = 0; i < 16; ++i) {
        const std::uint64_t byte = i < name.size() ? static_cast<unsigned char>(LowerCase(name[i])) : 0;
        key.head[i / 8] |= byte << (8 * (7 - i % 8));
    }
    return key;
}

}  // namespace

std::vector<std::uint32_t> SortOrder(const std::vector<std::string_view>& names) {
    std::vector<SortKey> keys;
    keys.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) keys.push_back(KeyOf(names[i], std::uint32_t(i)));
    std::sort(keys.begin(), keys.end(), [&names](const SortKey& a, const SortKey& b) {
        if (a.head[0] != b.head[0]) return a.head[0] < b.head[0];
        if (a.head[1] != b.head[1]) return a.head[1] < b.head[1];
        return LessIgnoringCase(names[a.index], names[b.index]);
    });
    std::vector<std::uint32_t> order;
    order.reserve(keys.size());
    for (const SortKey& key : keys) order.push_back(key.index);
    return order;
}

void SortNames(std::vector<std::string>& names) {
    const std::vector<std::uint32_t> order = SortOrder({names.begin(), names.end()});
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (std::uint32_t index : order) sorted.push_back(std::move(names[index]));
    names = std::move(sorted);
}

}  // namespace qlr::forms
