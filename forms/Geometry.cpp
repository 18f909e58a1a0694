#include "forms/Geometry.h"

#include <cmath>

namespace qlr::forms {

namespace {

constexpr int kTwipsPerPixel = 15;

// numerator / denominator rounded to the nearest integer, halves away from zero.
int RoundDiv(long long numerator, long long denominator) {
    const long long half = denominator / 2;
    return int(numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator));
}

// Half of n, rounded down, so that centring moves odd leftovers the same way on both sides of 0.
int Half(int n) { return n >= 0 ? n / 2 : -((-n + 1) / 2); }

// The start of a span of `size`, moved as little as needed to lie within [areaLo, areaHi): the
// far edge first, then the near edge, so a span larger than the area starts at its near edge.
int Place(int centredStart, int size, int areaLo, int areaHi) {
    int start = centredStart;
    if (start + size > areaHi) start = areaHi - size;
    if (start < areaLo) start = areaLo;
    return start;
}

}  // namespace

Rect FromTwips(int left, int top, int width, int height) {
    const int l = RoundDiv(left, kTwipsPerPixel), t = RoundDiv(top, kTwipsPerPixel);
    return {l, t, RoundDiv(left + width, kTwipsPerPixel) - l, RoundDiv(top + height, kTwipsPerPixel) - t};
}

int Scale(int pixels, unsigned dpi) { return RoundDiv(static_cast<long long>(pixels) * dpi, 96); }

Rect ScaleEdges(const Rect& rect, unsigned dpi) {
    const int l = Scale(rect.left, dpi), t = Scale(rect.top, dpi);
    return {l, t, Scale(rect.left + rect.width, dpi) - l, Scale(rect.top + rect.height, dpi) - t};
}

int FontHeight(double points, unsigned dpi) {
    return -static_cast<int>(std::floor(points * dpi / 72.0 + 0.5));
}

Point CenterOn(int width, int height, const Area& workArea) {
    return CenterOver(width, height, workArea, workArea);
}

Point CenterOver(int width, int height, const Area& owner, const Area& workArea) {
    return {Place(owner.left + Half(owner.Width() - width), width, workArea.left, workArea.right),
            Place(owner.top + Half(owner.Height() - height), height, workArea.top, workArea.bottom)};
}

}  // namespace qlr::forms
