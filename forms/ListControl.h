#pragma once
// What the three list controls share: their entries, and the one entry that is highlighted.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Controls.h"

namespace qlr::forms {

// The picture a list shows before an entry's text.
enum class Glyph { None, Drive, OpenFolder, ClosedFolder };

struct ListItem {
    std::string text;
    int indent = 0;  // levels of indentation
    Glyph glyph = Glyph::None;

    friend bool operator==(const ListItem& a, const ListItem& b) {
        return a.text == b.text && a.indent == b.indent && a.glyph == b.glyph;
    }
};

class ListControl : public Control {
public:
    using Control::Control;

    const std::vector<ListItem>& Items() const { return items_; }
    // The highlighted entry's index, -1 when none is.
    int Highlighted() const { return highlighted_; }

protected:
    // Replaces the entries and the highlight; the view refills once.
    void SetItems(std::vector<ListItem> items, int highlighted);
    // Moves the highlight; returns false when it was there already or the index is out of range.
    // The view is told when the move came from code.
    bool MoveHighlight(int index, bool fromCode);

private:
    std::vector<ListItem> items_;
    int highlighted_ = -1;
};

// Sorts names alphabetically, letter case ignored, as the lists show them.
void SortNames(std::vector<std::string>& names);
// The same order as indexes into names, for a caller that moves its own entries.
std::vector<std::uint32_t> SortOrder(const std::vector<std::string_view>& names);

}  // namespace qlr::forms
