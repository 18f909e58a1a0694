#include "driver/Lists.h"

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

// Read as UTF-16 and converted here: Wine hands the ANSI form of these messages across processes
// in UTF-16 (measured: "c:\\" arrives as 'c', 0, ':', 0, ...).
std::string ItemText(HWND control, const ListMessages& m, int index) {
    const std::string what = "reading entry " + std::to_string(index);
    const LRESULT length = SendBounded(control, m.textLength, WPARAM(index), 0, what);
    if (length < 0) throw DriverError(what + ": the list has no such entry");
    std::wstring wide(size_t(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(control, m.text, WPARAM(index), reinterpret_cast<LPARAM>(wide.data()),
                             SMTO_NORMAL, 5000, &copied))
        throw DriverError(what + ": no answer");
    wide.resize(LRESULT(copied) < 0 ? 0 : size_t(copied));
    std::string text(wide.size() * 2 + 1, '\0');
    text.resize(size_t(WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), text.data(),
                                           int(text.size()), nullptr, nullptr)));
    return text;
}

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
    // The program may refill the list while it is read: then it is read again.
    for (int attempt = 1;; ++attempt) {
        const LRESULT count = SendBounded(control, m.count, 0, 0, "counting the entries");
        std::vector<std::string> items;
        try {
            for (int i = 0; i < count; ++i) items.push_back(ItemText(control, m, i));
            if (SendBounded(control, m.count, 0, 0, "counting the entries") == count) return items;
        } catch (const DriverError&) {
            if (attempt == 5) throw;
        }
    }
}

int ListCurrent(HWND window, int id) {
    HWND control = Control(window, id);
    return int(SendBounded(control, MessagesOf(control).current, 0, 0, "reading the current entry"));
}

std::string ListCurrentText(HWND window, int id) {
    const int current = ListCurrent(window, id);
    if (current < 0) return {};
    HWND control = Control(window, id);
    return ItemText(control, MessagesOf(control), current);
}

int ListIndexOf(HWND window, int id, const std::string& text) {
    const std::vector<std::string> items = ListItems(window, id);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return int(i);
    std::string seen;
    for (const std::string& item : items) seen += " \"" + item + "\"";
    throw DriverError("list " + std::to_string(id) + " has no entry \"" + text + "\"; it has" + seen);
}

void ClickListItem(HWND window, int id, int index) { PostClicks(window, id, index, false); }
void DoubleClickListItem(HWND window, int id, int index) { PostClicks(window, id, index, true); }

}  // namespace qlr::wine_driver
