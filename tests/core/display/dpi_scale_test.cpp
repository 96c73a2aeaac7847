#include "core/display/dpi_scale.h"

#include <gtest/gtest.h>

namespace zek::display {
namespace {

TEST(DpiScale, RoundsEachFigureToTheNearestPixelWithHalvesAwayFromZero) {
    struct Case {
        int dpi;
        int units;
        int pixels;
    };
    // 120 DPI is 1.25, 144 is 1.5, 168 is 1.75, 192 is 2.
    const Case cases[] = {
        {96, 13, 13},    {120, 2, 3},   {120, 6, 8},   {120, 5, 6}, {144, 1, 2},     {144, 15, 23},
        {144, 100, 150}, {144, -1, -2}, {144, -3, -5}, {168, 3, 5}, {168, 240, 420}, {192, 110, 220},
        {0, 7, 7},       {-144, 7, 7},  {5000, 7, 7},  {72, 3, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DpiScale(c.dpi).px(c.units), c.pixels) << c.dpi << " DPI, " << c.units;
    }
    EXPECT_EQ(DpiScale(144).units(585), 390);
    EXPECT_EQ(DpiScale(144).units(5), 3);
    EXPECT_EQ(DpiScale(120).units(1 << 30), 858993459) << "no overflow on the way";
}

TEST(DpiScale, ScalesARectanglesEdgesSoThatShapesThatMeetStillMeet) {
    const DpiScale scale(120);
    // (1, 1, 1, 1) and (2, 1, 1, 1) meet at x = 2, which lies at 3 (2.5 rounded up).
    EXPECT_EQ(scale.px(Box{1, 1, 1, 1}), (Box{1, 1, 2, 2}));
    EXPECT_EQ(scale.px(Box{2, 1, 1, 1}), (Box{3, 1, 1, 2}));
    EXPECT_EQ(scale.px(Corners{1, 2, 3, 4}), (Corners{1, 3, 4, 5}));
}

TEST(DpiScale, ScalesEveryFigureOfAFrameButItsAnglesColoursAndTexts) {
    const Frame frame = {
        BlackRectangle{{0, 0, 640, 100}},
        BlackEllipse{{20, 20, 80, 81}},
        MakeGradient{Brush::Panel, {0, 0, 241, 80}, 90, 0xFF0A0A0A, 0xFF000000},
        FillPie{Brush::Cyan, {5, 5, 90, 90}, 20, 90},
        FillEllipse{Brush::Cyan, {10, 10, 80, 80}},
        DrawEllipse{Pen::Ring, {2, 2, 96, 96}},
        PanelOutline{{Point{90, 10}, Point{100, 0}, Point{235, 15}}},
        DrawLine{Pen::Text, {103, 17}, {238, 17}},
        DrawLines{Pen::Trail0, {{1.5f, 3}, {-2, 0.25f}}},
        PaintText{Brush::Text, Font::Small, {110, 33}, "note", 2, Point{130, 11}},
        PaintIcon{Icon::Boot, {210, 60, 16, 16}},
    };
    const Frame expected = {
        BlackRectangle{{0, 0, 960, 150}},
        BlackEllipse{{30, 30, 120, 122}},
        MakeGradient{Brush::Panel, {0, 0, 362, 120}, 90, 0xFF0A0A0A, 0xFF000000},
        FillPie{Brush::Cyan, {8, 8, 135, 135}, 20, 90},
        FillEllipse{Brush::Cyan, {15, 15, 120, 120}},
        DrawEllipse{Pen::Ring, {3, 3, 144, 144}},
        PanelOutline{{Point{135, 15}, Point{150, 0}, Point{353, 23}}},
        DrawLine{Pen::Text, {155, 26}, {357, 26}},
        DrawLines{Pen::Trail0, {{2.25f, 4.5f}, {-3, 0.375f}}},
        PaintText{Brush::Text, Font::Small, {165, 50}, "note", 2, Point{195, 17}},
        PaintIcon{Icon::Boot, {315, 90, 24, 24}},
    };
    EXPECT_EQ(scaledFrame(frame, DpiScale(144)), expected);
    EXPECT_EQ(scaledFrame(frame, DpiScale()), frame);
}

}  // namespace
}  // namespace zek::display
