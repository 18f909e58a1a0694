#include <gtest/gtest.h>

#include "forms/Geometry.h"

namespace qlr::forms {
namespace {

void ExpectRect(const Rect& r, int left, int top, int width, int height) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

TEST(Geometry, TwipsAreFifteenToAPixelWithEdgesRounded) {
    ExpectRect(FromTwips(135, 4320, 2865, 315), 9, 288, 191, 21);
    ExpectRect(FromTwips(4425, 465, 4065, 2790), 295, 31, 271, 186);
    // 7 twips is less than half a pixel, 8 more; the right edge rounds on its own.
    ExpectRect(FromTwips(7, 8, 15, 7), 0, 1, 1, 0);
}

TEST(Geometry, EdgesScaleSoTouchingControlsStillTouch) {
    EXPECT_EQ(Scale(9, 96), 9);
    EXPECT_EQ(Scale(9, 120), 11);   // 11.25
    EXPECT_EQ(Scale(9, 144), 14);   // 13.5: halves away from zero
    EXPECT_EQ(Scale(-9, 144), -14);
    EXPECT_EQ(Scale(1, 144), 2);    // 1.5

    // Two controls that touch at 96 dpi: the left one's right edge is the right one's left edge.
    const Rect left{9, 4, 191, 21}, right{200, 4, 87, 21};
    for (unsigned dpi : {96u, 120u, 144u}) {
        SCOPED_TRACE(dpi);
        const Rect a = ScaleEdges(left, dpi), b = ScaleEdges(right, dpi);
        EXPECT_EQ(a.left + a.width, b.left);
        EXPECT_EQ(a.left, Scale(9, dpi));
    }
    ExpectRect(ScaleEdges({1, 1, 1, 1}, 144), 2, 2, 1, 1);  // edges 1.5 and 3: a width of 1
    ExpectRect(ScaleEdges({9, 288, 191, 21}, 144), 14, 432, 286, 32);  // bottom 463.5
}

TEST(Geometry, FontHeightsAreNegativeCharacterHeights) {
    EXPECT_EQ(FontHeight(8.25, 96), -11);
    EXPECT_EQ(FontHeight(8.25, 120), -14);   // 13.75
    EXPECT_EQ(FontHeight(8.25, 144), -17);   // 16.5
    EXPECT_EQ(FontHeight(9, 96), -12);
    EXPECT_EQ(FontHeight(17.25, 96), -23);
    EXPECT_EQ(FontHeight(9.75, 144), -20);   // 19.5
}

TEST(Geometry, CentringOnTheScreenKeepsALargerWindowsCornerOnIt) {
    const Area screen{0, 0, 1024, 738};
    EXPECT_EQ(CenterOn(389, 317, screen), (Point{317, 210}));
    EXPECT_EQ(CenterOn(389, 317, {100, 50, 1124, 788}), (Point{417, 260}));
    EXPECT_EQ(CenterOn(1200, 800, screen), (Point{0, 0}));
    EXPECT_EQ(CenterOn(1024, 738, screen), (Point{0, 0}));
}

TEST(Geometry, CentringOverTheOwnerStaysWithinTheWorkArea) {
    const Area screen{0, 0, 1024, 738};
    // The main window in the middle: the picker centred over it.
    EXPECT_EQ(CenterOver(570, 256, {158, 210, 865, 527}, screen), (Point{226, 240}));
    // An owner partly off the left and bottom edges: moved just inside.
    EXPECT_EQ(CenterOver(570, 256, {-600, 600, 107, 917}, screen), (Point{0, 482}));
    // Near the right and top edges.
    EXPECT_EQ(CenterOver(570, 256, {700, -100, 1407, 217}, screen), (Point{454, 0}));
    // A picker larger than the work area: its top left corner on the area.
    EXPECT_EQ(CenterOver(1100, 800, {100, 100, 200, 200}, screen), (Point{0, 0}));
    EXPECT_EQ(CenterOver(570, 256, {0, 0, 1024, 738}, {1024, 0, 2048, 738}), (Point{1024, 241}));
}

}  // namespace
}  // namespace qlr::forms
