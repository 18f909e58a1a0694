#include "win32/controls/ListGlyphs.h"

#include "forms/Geometry.h"
#include "win32/GdiScope.h"
#include "win32/Handle.h"

namespace qlr::win32 {

namespace {

// Every glyph is designed on a 16 x 16 grid at 96 dpi.
constexpr int kGrid = 16;

const COLORREF kOutline = RGB(96, 64, 0);
const COLORREF kFolderBack = RGB(224, 176, 48);
const COLORREF kFolderFront = RGB(255, 216, 96);
const COLORREF kDriveBody = RGB(200, 200, 200);
const COLORREF kDriveEdge = RGB(64, 64, 64);
const COLORREF kDriveLight = RGB(0, 192, 0);

// Points of the grid, placed in box.
class GridPen {
public:
    GridPen(const RECT& box, UINT dpi)
        : dpi_(dpi),
          left_(box.left + (box.right - box.left - GlyphWidth(dpi)) / 2),
          top_(box.top + (box.bottom - box.top - GlyphWidth(dpi)) / 2) {}
    POINT At(int x, int y) const { return {left_ + forms::Scale(x, dpi_), top_ + forms::Scale(y, dpi_)}; }
    int Line() const { return forms::Scale(1, dpi_) > 0 ? forms::Scale(1, dpi_) : 1; }

private:
    UINT dpi_;
    int left_, top_;
};

void Shape(HDC dc, const GridPen& grid, std::initializer_list<POINT> gridPoints, COLORREF fill,
           COLORREF outline) {
    POINT points[8];
    int count = 0;
    for (POINT p : gridPoints) points[count++] = grid.At(p.x, p.y);
    UniqueGdi brush(CreateSolidBrush(fill));
    UniqueGdi pen(CreatePen(PS_SOLID, grid.Line(), outline));
    Selection selectBrush(dc, brush.get());
    Selection selectPen(dc, pen.get());
    Polygon(dc, points, count);
}

}  // namespace

int GlyphWidth(UINT dpi) { return forms::Scale(kGrid, dpi); }

void DrawGlyph(HDC dc, forms::Glyph glyph, const RECT& box, UINT dpi) {
    const GridPen grid(box, dpi);
    switch (glyph) {
        case forms::Glyph::None: return;
        case forms::Glyph::ClosedFolder:
            Shape(dc, grid, {{1, 4}, {6, 4}, {7, 3}, {14, 3}, {14, 13}, {1, 13}}, kFolderFront, kOutline);
            return;
        case forms::Glyph::OpenFolder:
            Shape(dc, grid, {{1, 3}, {6, 3}, {7, 4}, {13, 4}, {13, 13}, {1, 13}}, kFolderBack, kOutline);
            Shape(dc, grid, {{3, 7}, {15, 7}, {13, 13}, {1, 13}}, kFolderFront, kOutline);
            return;
        case forms::Glyph::Drive:
            Shape(dc, grid, {{1, 5}, {14, 5}, {14, 11}, {1, 11}}, kDriveBody, kDriveEdge);
            Shape(dc, grid, {{10, 8}, {12, 8}, {12, 9}, {10, 9}}, kDriveLight, kDriveLight);
            return;
    }
}

}  // namespace qlr::win32
