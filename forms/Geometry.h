#pragma once
// Window geometry at any DPI: the forms give it in pixels at 96 dpi (or in twips, 15 to a
// pixel), the windows need it in device pixels.
#include "forms/Style.h"

namespace qlr::forms {

// A rectangle in twips as a rectangle in pixels at 96 dpi.
Rect FromTwips(int left, int top, int width, int height);

// A length or coordinate at 96 dpi scaled to dpi, rounded to the nearest pixel (halves away from
// zero).
int Scale(int pixels, unsigned dpi);
// A control's rectangle at dpi. Edges are scaled, not sizes: controls that touch at 96 dpi still
// touch at any scale.
Rect ScaleEdges(const Rect& rect, unsigned dpi);
// The character height of a font of that size at dpi, as a negative logical height.
int FontHeight(double points, unsigned dpi);

// A rectangle by its edges, as the system gives screen areas.
struct Area {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }
};

// The top left corner of a window of that size centred on the work area; a window larger than
// the area keeps its top left corner on it.
Point CenterOn(int width, int height, const Area& workArea);
// Centred over the owner window, then moved as little as needed to lie within the work area
// (its top left corner first, when it is larger than the area).
Point CenterOver(int width, int height, const Area& owner, const Area& workArea);

}  // namespace qlr::forms
