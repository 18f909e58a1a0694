#pragma once
#include <windows.h>

#include <string>

namespace qlr::win32 {

// The product artwork of the installer's picture box, drawn to fit rect at any DPI.
void PaintInstallerArtwork(HDC dc, const RECT& rect, UINT dpi, const std::string& artwork);

}  // namespace qlr::win32
