#pragma once
// The fonts of one form window at one DPI. Each font is made once and deleted with the cache.
#include <windows.h>

#include <utility>
#include <vector>

#include "forms/Style.h"
#include "win32/Handle.h"

namespace qlr::win32 {

class FontCache {
public:
    explicit FontCache(UINT dpi) : dpi_(dpi) {}
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    UINT Dpi() const { return dpi_; }
    HFONT Get(const forms::Font& font);

private:
    UINT dpi_;
    // A window has a handful of fonts: looked up one by one.
    std::vector<std::pair<forms::Font, UniqueGdi>> fonts_;
};

// The height of a line of text in the font, in device pixels.
int LineHeight(HFONT font);

}  // namespace qlr::win32
