#include "installer/win32/Artwork.h"

#include "win32/GdiScope.h"
#include "win32/Handle.h"

namespace qlr::win32 {

namespace {

const COLORREF kOrange = RGB(255, 128, 0);
const COLORREF kTop = RGB(24, 28, 44);
const COLORREF kBottom = RGB(64, 40, 24);

COLORREF Blend(COLORREF a, COLORREF b, int step, int steps) {
    auto mix = [&](int ca, int cb) { return ca + (cb - ca) * step / steps; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

void Fill(HDC dc, const RECT& r, COLORREF color) {
    UniqueGdi brush(CreateSolidBrush(color));
    FillRect(dc, &r, static_cast<HBRUSH>(brush.get()));
}

void Text(HDC dc, const char* text, RECT r, int height, int weight, COLORREF color) {
    UniqueGdi font(CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                               DEFAULT_PITCH | FF_SWISS, "Arial"));
    Selection selected(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace

void PaintInstallerArtwork(HDC dc, const RECT& rect, UINT, const std::string&) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    // Everything is laid out on a 300 x 200 grid and scaled to the box.
    auto x = [&](int v) { return rect.left + MulDiv(v, width, 300); };
    auto y = [&](int v) { return rect.top + MulDiv(v, height, 200); };

    constexpr int kBands = 40;
    for (int i = 0; i < kBands; ++i) {
        RECT band{rect.left, rect.top + height * i / kBands, rect.right,
                  rect.top + height * (i + 1) / kBands};
        Fill(dc, band, Blend(kTop, kBottom, i, kBands - 1));
    }

    // A level meter along the bottom, brighter towards the middle.
    static const int kLevels[] = {18, 30, 46, 38, 58, 72, 52, 80, 64, 90, 70, 84,
                                  60, 76, 48, 66, 40, 54, 34, 44, 26, 36, 20, 14};
    constexpr int kBars = sizeof kLevels / sizeof kLevels[0];
    for (int i = 0; i < kBars; ++i) {
        int left = 18 + i * 11;
        int distance = i < kBars / 2 ? kBars / 2 - i : i - kBars / 2;
        COLORREF color = Blend(kOrange, RGB(120, 60, 20), distance, kBars / 2);
        for (int level = 0; level < kLevels[i]; level += 6) {
            RECT cell{x(left), y(186 - level - 4), x(left + 8), y(186 - level)};
            Fill(dc, cell, color);
        }
    }
    RECT rule{x(18), y(188), x(282), y(190)};
    Fill(dc, rule, kOrange);

    Text(dc, "Quillora", {x(0), y(18), x(300), y(70)}, y(50) - y(0), FW_BOLD, RGB(255, 255, 255));
    Text(dc, "radio automation for Winamp", {x(0), y(68), x(300), y(88)}, y(14) - y(0),
         FW_NORMAL, RGB(255, 190, 120));
}

}  // namespace qlr::win32
