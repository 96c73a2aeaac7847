#include "core/display/dpi_scale.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "core/display/status_animation.h"

namespace zek::display {
namespace {

TEST(DpiScale, RoundsEachFigureToTheNearestPixelWithHalvesAwayFromZero) {
    struct Case {
        int dpi, units, pixels;
    };
    // 120 DPI is 1.25, 144 is 1.5, 168 is 1.75, 192 is 2.
    const Case cases[] = {
        {96, 13, 13},    {120, 2, 3}, {120, 5, 6},  {144, -1, -2}, {168, 3, 5},
        {192, 110, 220}, {0, 7, 7},   {-144, 7, 7}, {5000, 7, 7},  {72, 3, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DpiScale(c.dpi).px(c.units), c.pixels) << c.dpi << " DPI, " << c.units;
    }
    EXPECT_EQ(DpiScale(144).units(5), 3);
    EXPECT_EQ(DpiScale(120).units(1 << 30), 858993459) << "no overflow on the way";
    // A rectangle's edges are scaled, so that shapes that meet still meet: (1, 1, 1, 1)
    // and (2, 1, 1, 1) meet at x = 2, which lies at 3 (2.5 rounded up).
    EXPECT_EQ(DpiScale(120).px(Box{1, 1, 1, 1}), (Box{1, 1, 2, 2}));
    EXPECT_EQ(DpiScale(120).px(Box{2, 1, 1, 1}), (Box{3, 1, 1, 2}));
    EXPECT_EQ(DpiScale(120).px(Corners{1, 2, 3, 4}), (Corners{1, 3, 4, 5}));
}

// One figure of each way of scaling; the rest scale their bounds like the pie.
TEST(DpiScale, ScalesTheFiguresOfAFrameButNotTheirAnglesColoursAndTexts) {
    const Frame frame = {
        BlackRectangle{{0, 0, 640, 100}},
        FillPie{Brush::Cyan, {5, 5, 90, 90}, 20, 90},
        PanelOutline{{Point{90, 10}, Point{100, 0}, Point{235, 15}}},
        DrawLine{Pen::Text, {103, 17}, {238, 17}},
        DrawLines{Pen::Trail0, {{1.5f, 3}, {-2, 0.25f}}},
        PaintText{Brush::Text, Font::Small, {110, 33}, "note", 2, Point{130, 11}},
    };
    const Frame expected = {
        BlackRectangle{{0, 0, 960, 150}},
        FillPie{Brush::Cyan, {8, 8, 135, 135}, 20, 90},
        PanelOutline{{Point{135, 15}, Point{150, 0}, Point{353, 23}}},
        DrawLine{Pen::Text, {155, 26}, {357, 26}},
        DrawLines{Pen::Trail0, {{2.25f, 4.5f}, {-3, 0.375f}}},
        PaintText{Brush::Text, Font::Small, {165, 50}, "note", 2, Point{195, 17}},
    };
    EXPECT_EQ(scaledFrame(frame, DpiScale(144)), expected);
    EXPECT_EQ(scaledFrame(frame, DpiScale()), frame);
}

// Hands out the values a test scripts, then the middle of the range.
class ScriptedRandom final : public RandomSource {
  public:
    void seed(std::uint32_t value) override { seeds.push_back(value); }
    int next() override {
        if (values.empty()) {
            return fallback;
        }
        const int value = values.front();
        values.pop_front();
        return value;
    }
    std::deque<int> values;
    int fallback = 16000;
    std::vector<std::uint32_t> seeds;
};

// Six pixels per byte, as a fixed-pitch font would measure.
class FixedPitch final : public TextMeasurer {
  public:
    int extent(std::string_view text) override { return static_cast<int>(text.size()) * 6; }
};

FrameClock clockAt(int step) {
    return {.step = step, .time = {2026, 12, 7, 9, 5, 3, 42}, .seconds = 1000};
}

// Runs the intro to its end; the number of ticks it took.
int finishIntro(StatusAnimation& animation, int step) {
    int ticks = 0;
    while (animation.state() != AnimationState::Idle && ticks < 50) {
        animation.nextFrame(clockAt(step));
        ++ticks;
    }
    return ticks;
}

// Draws `count` frames; the last of them.
Frame frames(StatusAnimation& animation, int count, int step) {
    Frame last;
    for (int i = 0; i < count; ++i) {
        last = animation.nextFrame(clockAt(step));
    }
    return last;
}

template <typename Operation>
std::vector<Operation> all(const Frame& frame) {
    std::vector<Operation> found;
    for (const DrawOperation& operation : frame) {
        if (const auto* wanted = std::get_if<Operation>(&operation)) {
            found.push_back(*wanted);
        }
    }
    return found;
}

ShownItem itemWith(std::int32_t key, std::string comment = {}) {
    return {key, "notepad", "C:\\a.exe", "/x", std::move(comment), 4, 1, 0, 0, true};
}

TEST(StatusAnimation, AnglesPanelGreyLeaderLineAndTypingFollowTheStep) {
    // The grey rises with alpha up to 180 and falls after it; an angle that
    // reaches 360 or more starts again at 0 (gamma at step 4: 357, then 0); the
    // leader line appears once alpha has reached 30. A second intro, after an item
    // was shown and dropped, starts the angles and the narrow panel again.
    struct Case {
        int step, introTicks, frames, alpha, beta, gamma;
        std::uint32_t grey;
        bool leader;
        int letters;
        bool secondIntro = false;
    };
    for (const Case c :
         {Case{10, 9, 1, 4, 2, 1, 0xFF0C0C0C, false, 2}, Case{2, 6, 16, 192, 160, 144, 0xFF5E5E5E, true, 6},
          Case{4, 6, 52, 160, 56, 0, 0xFF5A5A5A, true, 5}, Case{4, 6, 3, 30, 24, 21, 0xFF191919, true, 5},
          Case{10, 9, 1, 4, 2, 1, 0xFF0C0C0C, false, 2, true}}) {
        SCOPED_TRACE(testing::Message() << c.step << " " << c.frames << " " << c.secondIntro);
        ScriptedRandom random;
        StatusAnimation animation(random, 0);
        FixedPitch measure;
        if (c.secondIntro) {
            finishIntro(animation, c.step);
            animation.showItem(itemWith(1, std::string(61, 'c')), measure, clockAt(c.step));
            frames(animation, 10, c.step);
            ASSERT_EQ(animation.alpha(), 40) << "item frames turn the angles too";
            animation.dropItem();
            animation.reset(0);
            EXPECT_EQ(animation.currentWidth(), 150);
        }
        EXPECT_EQ(finishIntro(animation, c.step), c.introTicks);
        EXPECT_EQ(animation.alpha(), 0) << "the clearing frame starts the angles at 0";
        frames(animation, c.frames, c.step);
        EXPECT_EQ(animation.alpha(), c.alpha);
        EXPECT_EQ(animation.beta(), c.beta);
        EXPECT_EQ(animation.gamma(), c.gamma);
        const Frame frame = animation.nextFrame(clockAt(c.step));
        EXPECT_EQ(all<MakeGradient>(frame).at(0).to, c.grey);
        const std::vector<DrawLine> leader{{Pen::Text, {50, 50}, {90, 20}}, {Pen::Text, {90, 20}, {210, 20}}};
        EXPECT_EQ(all<DrawLine>(frame), c.leader ? leader : std::vector<DrawLine>{});
        EXPECT_EQ(animation.panelWidth(), 150) << "open or not, a panel without an item stays at 150";
        animation.showItem(itemWith(1), measure, clockAt(c.step));
        EXPECT_EQ(animation.revealed(), c.letters);
    }
}

TEST(StatusAnimation, IntroUnfoldsTheInstrumentThatIdleFramesTurn) {
    ScriptedRandom random;
    StatusAnimation animation(random, 0);
    EXPECT_EQ(animation.nextFrame(clockAt(10)).front(), (DrawOperation{BlackRectangle{{0, 0, 640, 100}}}));
    // The eighth frame, at progress 84: every shape 84 % of its width.
    EXPECT_EQ(
        frames(animation, 7, 10),
        (Frame{BlackRectangle{{0, 0, 100, 100}}, BlackRectangle{{100, 0, 250, 80}},
               FillPie{Brush::Grey, {5, 5, 75, 90}, 20, 90}, FillPie{Brush::Cyan, {5, 5, 75, 90}, 80, 45},
               FillPie{Brush::Cyan, {0, 0, 84, 100}, 100, 60}, FillPie{Brush::Cyan, {0, 0, 84, 100}, 240, 20},
               FillEllipse{Brush::Cyan, {10, 10, 67, 80}}, BlackEllipse{{20, 20, 70, 80}},
               FillEllipse{Brush::Cyan, {30, 30, 33, 40}}, FillPie{Brush::Cyan, {25, 25, 42, 50}, 270, 45},
               DrawEllipse{Pen::Ring, {2, 2, 80, 96}}}));
    finishIntro(animation, 10);
    const Frame frame = frames(animation, 4, 10);
    ASSERT_EQ(frame.size(), 22u);
    // Alpha 12, beta 6, gamma 3 turn the panel's grey, the grey, the cyan and the inner pie.
    // The narrow outline, its right edge at 240: (90, 10), (100, 0), (235, 0) ...
    const std::array<Point, kOutlinePoints> narrow{90,  10, 100, 0,  235, 0,  235, 15, 230, 15,
                                                   230, 20, 235, 20, 235, 20, 240, 25, 240, 65,
                                                   230, 75, 90,  75, 90,  55, 93,  52, 90,  49};
    EXPECT_EQ(
        Frame(frame.begin(), frame.begin() + 12),
        (Frame{BlackRectangle{{0, 0, 100, 100}}, BlackRectangle{{100, 0, 250, 80}},
               MakeGradient{Brush::Panel, {80, 0, 150, 150}, 36, 0xFF0A0A0A, 0xFF101010},
               PanelOutline{narrow}, FillPie{Brush::Grey, {5, 5, 90, 90}, 368, 90},
               FillPie{Brush::Cyan, {5, 5, 90, 90}, 86, 45}, FillPie{Brush::Cyan, {0, 0, 100, 100}, 100, 60},
               FillPie{Brush::Cyan, {0, 0, 100, 100}, 240, 20}, FillEllipse{Brush::Cyan, {10, 10, 80, 80}},
               BlackEllipse{{20, 20, 80, 80}}, FillEllipse{Brush::Cyan, {30, 30, 40, 40}},
               FillPie{Brush::Cyan, {25, 25, 50, 50}, 627, 45}}));
    EXPECT_EQ(all<DrawLines>(frame).size(), 3u) << "the trails, before the ring";
    // Date and time each over a shadow one pixel down and right; "On Line" in a
    // gradient at twice 360 - gamma.
    EXPECT_EQ(Frame(frame.begin() + 15, frame.end()),
              (Frame{DrawEllipse{Pen::Ring, {2, 2, 96, 96}},
                     PaintText{Brush::Shadow, Font::Text, {6, 21}, "2026/12/07", 10, {}},
                     PaintText{Brush::Light, Font::Text, {5, 20}, "2026/12/07", 10, {}},
                     PaintText{Brush::Shadow, Font::Text, {36, 71}, "09:05:03:042", 12, {}},
                     PaintText{Brush::Light, Font::Text, {35, 70}, "09:05:03:042", 12, {}},
                     MakeGradient{Brush::OnLine, {0, 0, 40, 10}, 714, 0xFFFFFFFF, 0xFF78D2FA},
                     PaintText{Brush::OnLine, Font::Title, {0, 0}, "On Line", 7, {}}}));
}

TEST(StatusAnimation, ItemTextsTypeOutBehindTheNameAndTheIconGrows) {
    ScriptedRandom random;
    StatusAnimation animation(random, 0);
    finishIntro(animation, 2);
    FixedPitch measure;
    ShownItem item = itemWith(7, "comment");
    item.task = item.extension = 1;
    Frame frame = animation.showItem(item, measure, clockAt(2));
    EXPECT_TRUE(animation.showItem(item, measure, clockAt(2)).empty());
    EXPECT_EQ(animation.revealed(), 6) << "the same item again does not restart the typing";
    // 6 letters a frame: the path follows 3 behind the name, the option 5, the
    // comment 7 (then the type word, whole); the icon is 2 high at first, then as
    // high as the letters, up to 16.
    struct Case {
        std::vector<std::size_t> letters;
        int iconHeight;
    };
    for (const Case& c :
         {Case{{9}, 2}, Case{{6, 3, 1, 9}, 6}, Case{{7, 8, 2, 5, 9}, 12}, Case{{7, 8, 2, 7, 9}, 16}}) {
        SCOPED_TRACE(c.iconHeight);
        std::vector<std::size_t> letters;
        for (const PaintText& text : all<PaintText>(frame)) {
            letters.push_back(text.letters);
        }
        EXPECT_EQ(std::vector(letters.begin() + 5, letters.end()), c.letters) << "after the clock's";
        EXPECT_EQ(all<PaintIcon>(frame), (std::vector<PaintIcon>{{Icon::Item, {42, 42, 16, c.iconHeight}},
                                                                 {Icon::Boot, {100, 58, 16, 16}},
                                                                 {Icon::Task, {100, 58, 16, 16}},
                                                                 {Icon::Extension, {110, 58, 16, 16}}}));
        frame = animation.nextFrame(clockAt(2));
    }
    const auto texts = all<PaintText>(frame);
    ASSERT_EQ(texts.size(), 5u + 5u);
    EXPECT_EQ(texts[6], (PaintText{Brush::Text, Font::Small, {110, 25}, item.app, 8, Point{130, 12}}));
    EXPECT_EQ(texts[9], (PaintText{Brush::Text, Font::Small, {130, 60}, "Data Item", 9, {}}));
    frames(animation, 80, 2);
    EXPECT_EQ(animation.revealed(), 510);
    animation.nextFrame(clockAt(2));
    EXPECT_EQ(animation.revealed(), 512) << "516 is held at 512";
}

TEST(StatusAnimation, PanelGrowsAtOnceAndShrinksBeforeTheBar) {
    // 8 pixels a frame at step 10; a stride that would pass the target is cut to a
    // quarter of what is left and one, one that lands on it is taken whole.
    struct Case {
        int comment, target, growFrames, shrinkFrames;
    };
    // 95 % of the comment's extent + 40: 25 letters give 182, 61 give 387.
    for (const Case c : {Case{25, 182, 3, 4}, Case{61, 387, 28 + 4, 29 + 4}}) {
        SCOPED_TRACE(c.target);
        ScriptedRandom random;
        StatusAnimation animation(random, 0);
        finishIntro(animation, 10);
        FixedPitch measure;
        animation.showItem(itemWith(2, std::string(c.comment, 'c')), measure, clockAt(10));
        EXPECT_EQ(animation.targetWidth(), c.target);
        EXPECT_EQ(animation.currentWidth(), c.target) << "the bar widens at once";
        EXPECT_EQ(animation.panelWidth(), 158);
        const auto framesUntilPanelAt = [&animation](int width) {
            int count = 0;
            for (; animation.panelWidth() != width && count < 100; ++count) {
                animation.nextFrame(clockAt(10));
            }
            return count;
        };
        EXPECT_EQ(framesUntilPanelAt(c.target), c.growFrames);
        animation.showNoItem();
        EXPECT_EQ(framesUntilPanelAt(150), c.shrinkFrames);
        EXPECT_EQ(animation.currentWidth(), c.target) << "the bar keeps its width while the panel shrinks";
        animation.nextFrame(clockAt(10));
        EXPECT_EQ(animation.currentWidth(), 150);
    }
}

TEST(StatusTexts, TypeWordsAndPanelWidths) {
    const std::pair<std::int32_t, std::string_view> words[] = {
        {0, ""}, {1, "Default Root Node"}, {6, "Default Command"}, {7, ""}};
    for (const auto& [type, word] : words) {
        EXPECT_EQ(typeWord(type), word) << type;
    }
    FixedPitch measure;
    // The name's extent + 10 (130 from 20 letters), and + 40 from 110 on.
    EXPECT_EQ(targetWidthFor(std::string(20, 'n'), "", "", "", measure), 130 + 40);
    EXPECT_EQ(targetWidthFor(std::string(16, 'n'), "", "", "", measure), kNarrowPanelWidth);
    // 95 % of a 240 px comment is 228 in double precision (227 in extended precision).
    EXPECT_EQ(targetWidthFor("n", "", "", std::string(40, 'c'), measure), 228 + 40);
}

TEST(OrbitTrail, TurnsAndSpiralsAsTheRandomValuesChoose) {
    ScriptedRandom random;
    OrbitTrail trail;
    // From the rim at a multiple of 60 degrees, 0 unless said: a turn moves the head
    // 6 degrees one way or the other, a spiral takes the radius to 97 % less 1 or to
    // 103 % and 1.
    struct Case {
        int rim;
        std::deque<int> values;
        int steps, mode, counter;
        double angle;
        float radius, x, y;
    };
    const Case cases[] = {
        {5461 * 2, {}, 0, 0, 100, 120, 50, 6.6987f, 25},
        // Eight steps turning, then the change the next two values choose.
        {0, {0, 32767, 10921, 16383}, 9, 3, 17, -48, 52.5f, 89.0151f, 85.1294f},
        {0, {0, 32767, 10922, 32767}, 9, 0, 18, -48, 47.5f, 85.2994f, 81.7837f},
        // Four steps out, then a turn.
        {0, {32766, 0, 16383, 2730}, 5, 2, 1, 6, 60.4591f, 43.6803f, 110.1279f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        random.values = {c.rim};
        trail.restart(random, 0);
        random.values = c.values;
        for (int i = 0; i < c.steps; ++i) {
            trail.step(random, 0);
        }
        EXPECT_EQ(trail.mode(), c.mode);
        EXPECT_EQ(trail.modeCounter(), c.counter);
        EXPECT_EQ(trail.angle(), c.angle);
        EXPECT_NEAR(trail.radius(), c.radius, 1e-3);
        EXPECT_NEAR(trail.points()[0].x, c.x, 1e-3);
        EXPECT_NEAR(trail.points()[0].y, c.y, 1e-3);
    }
}

TEST(OrbitTrail, StopsInTheCentreCollapsesAndStartsAgain) {
    ScriptedRandom random;
    OrbitTrail trail;
    // Turn for 8 steps, spiral in for 3, and again: the head reaches the centre.
    random.fallback = 32765;
    trail.restart(random, 0);
    const auto inCentre = [](PointF p) { return p.x > 40 && p.x < 60 && p.y > 40 && p.y < 60; };
    int steps = 0;
    while (!inCentre(trail.points()[0]) && steps < 1000) {
        trail.step(random, 5);
        ++steps;
    }
    // The head stays there; the trail catches up one point a step, and starts again
    // from the rim once its 70th point has.
    for (int i = 0; i < 68; ++i) {
        trail.step(random, 5);
    }
    EXPECT_EQ(random.seeds.size(), 1u);
    trail.step(random, 5);
    EXPECT_EQ(random.seeds, (std::vector<std::uint32_t>{0, 5}));
    EXPECT_EQ(trail.angle(), 300) << "32765 / 5461 = 5 sixties";
}

}  // namespace
}  // namespace zek::display
