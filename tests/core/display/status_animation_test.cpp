#include "display/status_animation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace zek::display {
namespace {

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
    return {.key = key,
            .name = "notepad",
            .app = "C:\\a.exe",
            .option = "/x",
            .comment = std::move(comment),
            .type = 4,
            .boot = 1,
            .hasIcon = true};
}

TEST(StatusAnimation, PaceFollowsTheStep) {
    struct Case {
        int step, introTicks, alpha, beta, gamma, letters;
    };
    for (const Case c : {Case{2, 6, 12, 10, 9, 6}, Case{10, 9, 4, 2, 1, 2}}) {
        SCOPED_TRACE(c.step);
        ScriptedRandom random;
        StatusAnimation animation(random, 0);
        EXPECT_EQ(finishIntro(animation, c.step), c.introTicks);
        EXPECT_EQ(animation.alpha(), 0) << "the clearing frame starts the angles at 0";
        animation.nextFrame(clockAt(c.step));
        EXPECT_EQ(animation.alpha(), c.alpha);
        EXPECT_EQ(animation.beta(), c.beta);
        EXPECT_EQ(animation.gamma(), c.gamma);
        FixedPitch measure;
        animation.showItem(itemWith(1), measure, clockAt(c.step));
        EXPECT_EQ(animation.revealed(), c.letters);
    }
}

TEST(StatusAnimation, IntroUnfoldsFromTheLeftAndClearsOnce) {
    ScriptedRandom random;
    StatusAnimation animation(random, 0);
    const Frame first = animation.nextFrame(clockAt(10));
    EXPECT_EQ(std::get<BlackRectangle>(first.front()).area, (Corners{0, 0, 640, 100}));
    EXPECT_EQ(all<FillPie>(first).front().bounds, (Box{5, 5, 0, 90}));
    const Frame second = animation.nextFrame(clockAt(10));  // progress 12
    EXPECT_EQ(all<BlackRectangle>(second).size(), 2u)
        << "only the first intro frame clears the whole picture";
    EXPECT_EQ(all<FillPie>(second).front().bounds, (Box{5, 5, 10, 90}));
    EXPECT_EQ(all<BlackEllipse>(second).front().area, (Corners{20, 20, 27, 80}));
    EXPECT_EQ(all<DrawEllipse>(second).front().bounds, (Box{2, 2, 11, 96}));
}

TEST(StatusAnimation, IdleFrameDrawsTheInstrumentClockAndNarrowPanel) {
    ScriptedRandom random;
    StatusAnimation animation(random, 0);
    finishIntro(animation, 10);
    for (int i = 0; i < 3; ++i) {
        animation.nextFrame(clockAt(10));
    }
    const Frame frame = animation.nextFrame(clockAt(10));  // alpha 12
    // Alpha 12, beta 6, gamma 3 turn the grey, the cyan and the inner pie.
    EXPECT_EQ(all<FillPie>(frame),
              (std::vector<FillPie>{{Brush::Grey, {5, 5, 90, 90}, 360 - 12 + 20, 90},
                                    {Brush::Cyan, {5, 5, 90, 90}, 6 + 80, 45},
                                    {Brush::Cyan, {0, 0, 100, 100}, 100, 60},
                                    {Brush::Cyan, {0, 0, 100, 100}, 240, 20},
                                    {Brush::Cyan, {25, 25, 50, 50}, 360 - 3 + 270, 45}}));
    EXPECT_EQ(all<FillEllipse>(frame),
              (std::vector<FillEllipse>{{Brush::Cyan, {10, 10, 80, 80}}, {Brush::Cyan, {30, 30, 40, 40}}}));
    EXPECT_EQ(all<BlackRectangle>(frame).at(1).area, (Corners{100, 0, 250, 80})) << "behind the panel";
    const auto gradients = all<MakeGradient>(frame);
    ASSERT_EQ(gradients.size(), 2u);
    EXPECT_EQ(gradients[0].area, (Box{80, 0, 150, 150}));
    EXPECT_EQ(gradients[0].angle, 36);
    EXPECT_EQ(gradients[0].to, 0xFF101010u) << "grey 12 / 2 + 10";
    EXPECT_EQ(gradients[1].angle, 2 * (360 - 3));
    const auto outline = all<PanelOutline>(frame).at(0).points;
    EXPECT_EQ(outline[9], (Point{240, 65})) << "the right edge at width 150";
    EXPECT_TRUE(all<DrawLine>(frame).empty()) << "no leader line before alpha reaches 30";
    // Date and time each over a shadow one pixel down and right.
    EXPECT_EQ(all<PaintText>(frame),
              (std::vector<PaintText>{{Brush::Shadow, Font::Text, {6, 21}, "2026/12/07", 10, {}},
                                      {Brush::Light, Font::Text, {5, 20}, "2026/12/07", 10, {}},
                                      {Brush::Shadow, Font::Text, {36, 71}, "09:05:03:042", 12, {}},
                                      {Brush::Light, Font::Text, {35, 70}, "09:05:03:042", 12, {}},
                                      {Brush::OnLine, Font::Title, {0, 0}, "On Line", 7, {}}}));
    EXPECT_EQ(all<DrawLines>(frame).size(), 3u);
    for (int i = 0; i < 4; ++i) {
        animation.nextFrame(clockAt(10));
    }
    EXPECT_EQ(all<DrawLine>(animation.nextFrame(clockAt(10))).size(), 2u) << "alpha past 30";
}

TEST(StatusAnimation, ItemTextsTypeOutBehindTheName) {
    ScriptedRandom random;
    StatusAnimation animation(random, 0);
    finishIntro(animation, 2);
    FixedPitch measure;
    animation.showItem(itemWith(7, "comment"), measure, clockAt(2));  // typing starts at 0
    EXPECT_TRUE(animation.showItem(itemWith(7, "comment"), measure, clockAt(2)).empty());
    EXPECT_EQ(animation.revealed(), 6) << "the same item again does not restart the typing";
    const Frame frame = animation.nextFrame(clockAt(2));  // 6 letters revealed
    const auto texts = all<PaintText>(frame);
    ASSERT_EQ(texts.size(), 5u + 3u + 1u);
    EXPECT_EQ(texts[5].letters, 6u) << "name";
    EXPECT_EQ(texts[6].letters, 3u) << "path, 3 behind";
    EXPECT_EQ(texts[6].clip, (Point{130, 12}));
    EXPECT_EQ(texts[7].letters, 1u) << "option, 5 behind";
    EXPECT_EQ(texts[8].text, "Data Item") << "the comment, 7 behind, not yet";
    EXPECT_EQ(texts[8].letters, 9u);
    const auto icons = all<PaintIcon>(frame);
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0].bounds, (Box{42, 42, 16, 6}));
    EXPECT_EQ(icons[1].icon, Icon::Boot);
    EXPECT_EQ(all<DrawLine>(frame).size(), 2u) << "an item's panel is expanded";
}

TEST(StatusAnimation, PanelGrowsAtOnceAndShrinksBeforeTheBar) {
    ScriptedRandom random;
    StatusAnimation animation(random, 0);
    finishIntro(animation, 10);
    FixedPitch measure;
    animation.showItem(itemWith(1, "short"), measure, clockAt(10));
    EXPECT_EQ(animation.targetWidth(), 150) << "short texts";
    const std::string longComment(61, 'c');  // 366 px
    animation.showItem(itemWith(2, longComment), measure, clockAt(10));
    EXPECT_EQ(animation.targetWidth(), 347 + 40) << "95 % of the comment's extent + 40";
    EXPECT_EQ(animation.currentWidth(), 387) << "the bar widens at once";
    EXPECT_EQ(animation.panelWidth(), 158);
    int frames = 0;
    while (animation.panelWidth() != 387 && frames < 100) {
        animation.nextFrame(clockAt(10));
        ++frames;
    }
    EXPECT_EQ(frames, 28 + 4) << "8 pixels a frame to 382, then a quarter of the rest and one";
    animation.showNoItem();
    frames = 0;
    while (animation.panelWidth() != 150 && frames < 100) {
        animation.nextFrame(clockAt(10));
        ++frames;
        if (animation.panelWidth() != 150) {
            EXPECT_EQ(animation.currentWidth(), 387) << "the bar keeps its width while the panel shrinks";
        }
    }
    EXPECT_EQ(frames, 29 + 4) << "8 pixels a frame to 155, then 153, 152, 151, 150";
    animation.nextFrame(clockAt(10));
    EXPECT_EQ(animation.currentWidth(), 150);
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

TEST(OrbitTrail, RestartsOnTheRimAndChangesModeByTheRandomValues) {
    ScriptedRandom random;
    OrbitTrail trail;
    random.values = {5461 * 2};  // 120 degrees
    trail.restart(random, 77);
    EXPECT_EQ(random.seeds, std::vector<std::uint32_t>{77});
    EXPECT_EQ(trail.angle(), 120);
    EXPECT_NEAR(trail.points()[69].x, 50 - 50 * std::sin(120 * 0.01745329252), 1e-4);
    struct Case {
        int from;
        std::deque<int> values;
        int mode, counter;
    };
    for (const Case& c :
         {Case{0, {16382, 0}, 1, 0}, Case{0, {32766, 32767}, 3, 19}, Case{1, {10921, 16383}, 3, 17},
          Case{1, {10922, 32767}, 0, 18}, Case{3, {16383, 2730}, 2, 1}}) {
        SCOPED_TRACE(c.from);
        OrbitTrail moving;
        random.values = {0};
        moving.restart(random, 0);
        // Reach the starting mode first, then take the scripted change.
        if (c.from == 1) {
            random.values = {0, 2730 * 19};
            moving.step(random, 0);
        } else if (c.from == 3) {
            random.values = {32767, 10922 * 3};
            moving.step(random, 0);
        }
        ASSERT_EQ(moving.mode(), c.from);
        while (moving.modeCounter() < 19) {
            moving.step(random, 0);
        }
        random.values = c.values;
        moving.step(random, 0);
        EXPECT_EQ(moving.mode(), c.mode);
        EXPECT_EQ(moving.modeCounter(), c.counter);
    }
}

TEST(OrbitTrail, StopsInTheCentreCollapsesAndStartsAgain) {
    ScriptedRandom random;
    OrbitTrail trail;
    // Turn for 8 steps, spiral in for 3, and again: the head reaches the centre.
    random.fallback = 32765;
    trail.restart(random, 0);
    int steps = 0;
    while (random.seeds.size() < 2 && steps < 1000) {
        trail.step(random, 5);
        ++steps;
    }
    EXPECT_EQ(random.seeds.back(), 5u) << "restarted once the tail reached the head";
    EXPECT_GT(steps, 69);
    EXPECT_EQ(std::fmod(trail.angle(), 60.0), 0.0);
}

}  // namespace
}  // namespace zek::display
