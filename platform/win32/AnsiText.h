#pragma once
// Text of the system's ANSI code page, in which the programs' paths are kept, and its wide form,
// in which the system keeps names.
#include <windows.h>

#include <string>
#include <vector>

namespace qlr::win32 {

// The text as the NUL-terminated wide text the wide functions take. (A vector rather than
// std::wstring: the wide string class would bring its whole instantiation into the program.)
std::vector<wchar_t> Wide(const std::string& text);

// Writes wide names in the ANSI code page, exactly or not at all.
class AnsiNames {
public:
    AnsiNames();

    // The name in the code page; false when the code page lacks one of its characters (written
    // as '?' then). The ANSI functions would give the nearest look-alike instead ("l" for "\u0142")
    // or a '?', a name that opens another file or none, so every character must fit exactly.
    bool Write(const wchar_t* wide, std::string& text);

private:
    bool utf8_;
    char buffer_[4 * MAX_PATH];  // a name of MAX_PATH characters at up to four bytes each
};

}  // namespace qlr::win32
