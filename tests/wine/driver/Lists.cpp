#include "driver/Lists.h"

#include <algorithm>
#include <optional>

#include "driver/Driver.h"

namespace qlr::wine_driver {

namespace {

bool IsComboBox(HWND control) { return lstrcmpiA(ClassName(control).c_str(), "ComboBox") == 0; }

struct ListMessages {
    UINT count, textLength, text, current;
};
const ListMessages kListBox{LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL};
const ListMessages kComboBox{CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL};

const ListMessages& MessagesOf(HWND control) { return IsComboBox(control) ? kComboBox : kListBox; }

// How often a list is read again when the program changed it while it was being read.
constexpr int kReadAttempts = 5;
// The longest entry text read: that of the longest path there can be. The buffer is that long
// because an entry may be replaced by a longer one between asking its length and its text.
constexpr int kLongestEntry = 32767;

// The answers of these messages are ints, LB_ERR (-1) for an entry the list does not have. Across
// processes Wine hands -1 back sometimes sign-extended and sometimes as 0xFFFFFFFF (measured); only
// the low 32 bits count. Taken whole, 0xFFFFFFFF was the length of an entry the program had just
// removed, and filling a buffer of 4 G characters for it stalled a test for a minute.
int Answer(HWND control, UINT message, WPARAM index, const std::string& what) {
    return int(SendBounded(control, message, index, 0, what));
}

// The entry's text; nothing when the list has no such entry (any more). Read as UTF-16 and
// converted here: Wine hands the ANSI form of these messages across processes in UTF-16
// (measured: "c:\\" arrives as 'c', 0, ':', 0, ...).
std::optional<std::string> ItemText(HWND control, const ListMessages& m, int index) {
    const std::string what = "reading entry " + std::to_string(index);
    const int length = Answer(control, m.textLength, WPARAM(index), what);
    if (length < 0) return std::nullopt;
    if (length > kLongestEntry)
        throw DriverError(what + ": the list gives it " + std::to_string(length) + " characters");
    std::wstring wide(size_t(kLongestEntry) + 1, L'\0');
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(control, m.text, WPARAM(index), reinterpret_cast<LPARAM>(wide.data()),
                             SMTO_NORMAL, kSendTimeoutMs, &answer))
        throw DriverError(what + ": no answer within " + std::to_string(kSendTimeoutMs) + " ms");
    const int copied = int(answer);
    if (copied < 0) return std::nullopt;
    wide.resize(size_t(std::min(copied, kLongestEntry)));
    std::string text(wide.size() * 3 + 1, '\0');  // up to three bytes a character in UTF-8
    text.resize(size_t(WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), text.data(),
                                           int(text.size()), nullptr, nullptr)));
    return text;
}

std::string ListName(HWND window, int id) { return "list " + std::to_string(id) + " of \"" + Title(window) + "\""; }

// Posts the mouse messages of a click at the entry's centre, after scrolling it into view.
void PostClicks(HWND window, int id, int index, bool twice) {
    HWND list = Control(window, id);
    const std::string what = "finding entry " + std::to_string(index);
    RECT client{}, item{};
    GetClientRect(list, &client);
    SendBounded(list, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item), what);
    if (item.top < client.top || item.bottom > client.bottom) {
        SendBounded(list, LB_SETTOPINDEX, WPARAM(index), 0, what);
        SendBounded(list, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item), what);
    }
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    if (twice) {
        PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageA(list, WM_LBUTTONUP, 0, at);
    }
}

}  // namespace

std::vector<std::string> ListItems(HWND window, int id) {
    HWND control = Control(window, id);
    const ListMessages& m = MessagesOf(control);
    // The program may refill the list while it is read: then it is read again, a few times.
    std::string change;
    for (int attempt = 1; attempt <= kReadAttempts; ++attempt) {
        const int count = Answer(control, m.count, 0, "counting the entries");
        std::vector<std::string> items;
        for (int i = 0; i < count; ++i) {
            std::optional<std::string> text = ItemText(control, m, i);
            if (!text) break;
            items.push_back(std::move(*text));
        }
        const int after = Answer(control, m.count, 0, "counting the entries");
        if (int(items.size()) == count && after == count) return items;
        change = std::to_string(count) + " entries, " + std::to_string(items.size()) + " of them read, then " +
                 std::to_string(after);
    }
    throw DriverError(ListName(window, id) + " changed during each of " + std::to_string(kReadAttempts) +
                      " reads; the last: " + change);
}

int ListCurrent(HWND window, int id) {
    HWND control = Control(window, id);
    return Answer(control, MessagesOf(control).current, 0, "reading the current entry");
}

std::string ListCurrentText(HWND window, int id) {
    HWND control = Control(window, id);
    const ListMessages& m = MessagesOf(control);
    for (int attempt = 1; attempt <= kReadAttempts; ++attempt) {
        const int current = Answer(control, m.current, 0, "reading the current entry");
        if (current < 0) return {};
        if (std::optional<std::string> text = ItemText(control, m, current)) return *text;
    }
    throw DriverError(ListName(window, id) + " changed during each of " + std::to_string(kReadAttempts) +
                      " reads of its current entry");
}

std::string QuotedItems(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "\"" : " \"") + item + "\"";
    return text.empty() ? "no entries" : text;
}

int ListIndexOf(HWND window, int id, const std::string& text) {
    const std::vector<std::string> items = ListItems(window, id);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return int(i);
    throw DriverError(ListName(window, id) + " has no entry \"" + text + "\"; it has " + QuotedItems(items));
}

void ClickListItem(HWND window, int id, int index) { PostClicks(window, id, index, false); }
void DoubleClickListItem(HWND window, int id, int index) { PostClicks(window, id, index, true); }

}  // namespace qlr::wine_driver
