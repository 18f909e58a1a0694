#pragma once
// List boxes and drop-down lists of another program, read and used the way a user does: entries
// are read with LB_GETTEXT / CB_GETLBTEXT (which cross processes for lists that keep their
// strings), and clicked with mouse messages at the entry's place.
#include <windows.h>

#include <string>
#include <vector>

namespace qlr::wine_driver {

// The entries of a LISTBOX or COMBOBOX control, in their order. A list the program refills while
// it is read is read again; one that changes during each of a few reads is a failure.
std::vector<std::string> ListItems(HWND window, int id);
// The index of the list's current (highlighted) entry; -1 when none is.
int ListCurrent(HWND window, int id);
// The text of the current entry; "" when none is.
std::string ListCurrentText(HWND window, int id);
// Clicks (or double-clicks) the list box entry at index, scrolled into view first.
void ClickListItem(HWND window, int id, int index);
void DoubleClickListItem(HWND window, int id, int index);
// The index of the entry with exactly this text; fails when there is none.
int ListIndexOf(HWND window, int id, const std::string& text);
// Entries as a message shows them: each in quotes, or "no entries".
std::string QuotedItems(const std::vector<std::string>& items);

}  // namespace qlr::wine_driver
