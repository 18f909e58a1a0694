#include "win32/controls/FontCache.h"

#include "forms/Geometry.h"
#include "win32/GdiScope.h"

namespace qlr::win32 {

namespace {

int CALLBACK NoteFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontInstalled(const char* face) {
    LOGFONTA query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(query.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    WindowDC screen(nullptr);
    EnumFontFamiliesExA(screen.get(), &query, NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// "MS Sans Serif" is a bitmap font on Windows; its outline twin stays sharp at any scale.
std::string OutlineFace(const std::string& face) {
    if (face == "MS Sans Serif" && FontInstalled("Microsoft Sans Serif")) return "Microsoft Sans Serif";
    return face;
}

}  // namespace

HFONT FontCache::Get(const forms::Font& font) {
    for (const auto& [made, handle] : fonts_)
        if (made.face == font.face && made.points == font.points && made.bold == font.bold &&
            made.charset == font.charset)
            return static_cast<HFONT>(handle.get());
    UniqueGdi handle(CreateFontA(forms::FontHeight(font.points, dpi_), 0, 0, 0,
                                 font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                 BYTE(font.charset), OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                 OutlineFace(font.face).c_str()));
    HFONT made = static_cast<HFONT>(handle.get());
    fonts_.emplace_back(font, std::move(handle));
    return made;
}

int LineHeight(HFONT font) {
    WindowDC screen(nullptr);
    Selection selected(screen.get(), font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.get(), &metrics);
    return metrics.tmHeight;
}

}  // namespace qlr::win32
