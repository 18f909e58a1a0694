#include "platform/win32/AnsiText.h"

namespace qlr::win32 {

std::vector<wchar_t> Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::vector<wchar_t> wide(std::size_t(length) + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

AnsiNames::AnsiNames() : utf8_(GetACP() == CP_UTF8) {}

bool AnsiNames::Write(const wchar_t* wide, std::string& text) {
    BOOL lacking = FALSE;
    // UTF-8 writes every character; it takes neither the flag nor the report of a lacking one.
    const int length = WideCharToMultiByte(CP_ACP, utf8_ ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS,
                                           wide, -1, buffer_, sizeof buffer_, nullptr,
                                           utf8_ ? nullptr : &lacking);
    text.assign(buffer_, length > 0 ? std::size_t(length) - 1 : 0);
    return length > 0 && !lacking;
}

}  // namespace qlr::win32
