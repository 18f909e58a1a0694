#pragma once
// The pictures the lists show before an entry: drawn as shapes at the window's DPI, so they stay
// sharp at any scale.
#include <windows.h>

#include "forms/ListControl.h"

namespace qlr::win32 {

// The width a glyph takes at dpi, without the gap after it.
int GlyphWidth(UINT dpi);
// Draws the glyph centred in box.
void DrawGlyph(HDC dc, forms::Glyph glyph, const RECT& box, UINT dpi);

}  // namespace qlr::win32
