#include "core/display/status_animation.h"

#include <algorithm>

#include "core/text/character_positions.h"

namespace zek::display {

namespace {

constexpr int kMaxRevealed = 512;
constexpr int kIntroEnd = 100;

int advanceAngle(int angle, int by) {
    angle += by;
    return angle >= 360 ? 0 : angle;
}

// The panel pulses from dark to grey 100 and back once per turn of alpha.
std::uint32_t panelGrey(int alpha) {
    const int grey = alpha <= 180 ? alpha / 2 + 10 : 190 - alpha / 2;
    return 0xFF000000u + static_cast<std::uint32_t>(grey) * 0x010101u;
}

void addText(Frame& frame, Font font, Point at, const std::string& text, int letters,
             std::optional<Point> clip = std::nullopt) {
    if (text.empty() || letters <= 0) {
        return;
    }
    frame.push_back(PaintText{Brush::Text, font, at, text, static_cast<std::size_t>(letters), clip});
}

}  // namespace

std::array<Point, kOutlinePoints> panelOutlineAt(int x) {
    return {{{90, 10},
             {100, 0},
             {x + 85, 0},
             {x + 85, 15},
             {x + 80, 15},
             {x + 80, 20},
             {x + 85, 20},
             {x + 85, 20},
             {x + 90, 25},
             {x + 90, 65},
             {x + 80, 75},
             {90, 75},
             {90, 55},
             {93, 52},
             {90, 49}}};
}

StatusAnimation::StatusAnimation(RandomSource& random, std::uint32_t seconds) : random_(random) {
    reset(seconds);
}

void StatusAnimation::reset(std::uint32_t seconds) {
    item_.reset();
    itemKey_ = -1;
    targetWidth_ = kNarrowPanelWidth;
    currentWidth_ = kNarrowPanelWidth;
    state_ = AnimationState::IntroNotStarted;
    for (OrbitTrail& trail : trails_) {
        trail.restart(random_, seconds);
    }
}

void StatusAnimation::dropItem() {
    item_.reset();
    // Nothing is held any more, so the next item shown is new whatever it is.
    itemKey_ = -1;
}

Frame StatusAnimation::showItem(ShownItem item, TextMeasurer& measurer, const FrameClock& clock) {
    Frame frame;
    if (item.key == itemKey_ && item_) {
        return frame;
    }
    targetWidth_ = targetWidthFor(item.name, item.app, item.option, item.comment, measurer);
    itemKey_ = item.key;
    const std::string* texts[] = {&item.name, &item.app, &item.option, &item.comment};
    for (std::size_t i = 0; i < 4; ++i) {
        letters_[i] = text::characterCount(*texts[i]);
    }
    item_ = std::move(item);
    drawItem(frame, true, clock);
    return frame;
}

void StatusAnimation::showNoItem() {
    item_.reset();
    itemKey_ = -1;
    targetWidth_ = kNarrowPanelWidth;
    state_ = AnimationState::Idle;
}

Frame StatusAnimation::nextFrame(const FrameClock& clock) {
    Frame frame;
    if (item_) {
        if (state_ == AnimationState::IntroNotStarted || state_ == AnimationState::IntroRunning) {
            drawFull(frame, FullFrame::Clearing, clock);
        }
        drawItem(frame, false, clock);
        return frame;
    }
    switch (state_) {
        case AnimationState::IntroNotStarted:
            if (!drawIntro(frame, true, clock.step)) {
                state_ = AnimationState::IntroRunning;
            }
            break;
        case AnimationState::IntroRunning:
            if (drawIntro(frame, false, clock.step)) {
                state_ = AnimationState::Idle;
                drawFull(frame, FullFrame::Clearing, clock);
            }
            break;
        case AnimationState::ItemShown:
        case AnimationState::Idle:
            drawFull(frame, FullFrame::Advancing, clock);
            break;
    }
    return frame;
}

void StatusAnimation::clearBehindPicture(Frame& frame) const {
    frame.push_back(BlackRectangle{{0, 0, 100, 100}});
    frame.push_back(BlackRectangle{{100, 0, currentWidth_ + 100, 80}});
}

// The instrument unfolds from the left as the intro's progress grows past 100.
bool StatusAnimation::drawIntro(Frame& frame, bool first, int step) {
    if (first) {
        frame.push_back(BlackRectangle{{0, 0, kPictureWidth, kPictureHeight}});
        progress_ = 0;
    }
    clearBehindPicture(frame);
    const auto w = [this](int n) { return progress_ * n / 100; };
    frame.push_back(FillPie{Brush::Grey, {5, 5, w(90), 90}, 20, 90});
    frame.push_back(FillPie{Brush::Cyan, {5, 5, w(90), 90}, 80, 45});
    frame.push_back(FillPie{Brush::Cyan, {0, 0, w(100), 100}, 100, 60});
    frame.push_back(FillPie{Brush::Cyan, {0, 0, w(100), 100}, 240, 20});
    frame.push_back(FillEllipse{Brush::Cyan, {10, 10, w(80), 80}});
    frame.push_back(BlackEllipse{{20, 20, w(60) + 20, 80}});
    frame.push_back(FillEllipse{Brush::Cyan, {30, 30, w(40), 40}});
    frame.push_back(FillPie{Brush::Cyan, {25, 25, w(50), 50}, 270, 45});
    frame.push_back(DrawEllipse{Pen::Ring, {2, 2, w(96), 96}});
    progress_ = progress_ - step + 22;
    return progress_ > kIntroEnd;
}

void StatusAnimation::drawFull(Frame& frame, FullFrame kind, const FrameClock& clock) {
    if (kind == FullFrame::Clearing) {
        frame.push_back(BlackRectangle{{0, 0, kPictureWidth, kPictureHeight}});
        expanded_ = false;
        alpha_ = beta_ = gamma_ = 0;
    } else if (kind == FullFrame::Expanding) {
        expanded_ = true;
    }
    clearBehindPicture(frame);
    frame.push_back(
        MakeGradient{Brush::Panel, {80, 0, currentWidth_, 150}, 36, kPanelFrom, panelGrey(alpha_)});
    drawPanel(frame, clock.step);
    drawInstrument(frame, clock);
    if (expanded_) {
        frame.push_back(DrawLine{Pen::Text, {50, 50}, {90, 20}});
        frame.push_back(DrawLine{Pen::Text, {90, 20}, {210, 20}});
    }
    if (kind == FullFrame::Advancing) {
        alpha_ = advanceAngle(alpha_, 14 - clock.step);
        beta_ = advanceAngle(beta_, 12 - clock.step);
        gamma_ = advanceAngle(gamma_, 11 - clock.step);
    }
}

// The panel stays narrow for the first 30 degrees after a clearing frame; then it
// moves towards the target width. Growing widens the bar at once; shrinking keeps
// the bar's width until the panel has reached the target.
void StatusAnimation::drawPanel(Frame& frame, int step) {
    int drawnAt = 0;
    if (alpha_ < 30 && !expanded_) {
        drawnAt = panelWidth_ = kNarrowPanelWidth;
    } else {
        if (panelWidth_ != targetWidth_) {
            panelWidth_ = std::max(panelWidth_, kNarrowPanelWidth);
        }
        const int stride = (14 - step) * 2;
        if (panelWidth_ < targetWidth_) {
            int next = panelWidth_ + stride;
            if (next > targetWidth_) {
                next = panelWidth_ + (targetWidth_ - panelWidth_) / 4 + 1;
            }
            panelWidth_ = next;
            currentWidth_ = targetWidth_;
        } else if (panelWidth_ > targetWidth_) {
            int next = panelWidth_ - stride;
            if (next < targetWidth_) {
                next = panelWidth_ - (panelWidth_ - targetWidth_) / 4 - 1;
            }
            panelWidth_ = next;
        } else {
            currentWidth_ = targetWidth_;
        }
        drawnAt = panelWidth_;
        expanded_ = true;
    }
    frame.push_back(PanelOutline{panelOutlineAt(drawnAt)});
}

void StatusAnimation::drawInstrument(Frame& frame, const FrameClock& clock) {
    frame.push_back(FillPie{Brush::Grey, {5, 5, 90, 90}, static_cast<float>(360 - alpha_ + 20), 90});
    frame.push_back(FillPie{Brush::Cyan, {5, 5, 90, 90}, static_cast<float>(beta_ + 80), 45});
    frame.push_back(FillPie{Brush::Cyan, {0, 0, 100, 100}, 100, 60});
    frame.push_back(FillPie{Brush::Cyan, {0, 0, 100, 100}, 240, 20});
    frame.push_back(FillEllipse{Brush::Cyan, {10, 10, 80, 80}});
    frame.push_back(BlackEllipse{{20, 20, 80, 80}});
    frame.push_back(FillEllipse{Brush::Cyan, {30, 30, 40, 40}});
    frame.push_back(FillPie{Brush::Cyan, {25, 25, 50, 50}, static_cast<float>(360 - gamma_ + 270), 45});
    for (std::size_t i = 0; i < trails_.size(); ++i) {
        trails_[i].step(random_, clock.seconds);
        const auto& points = trails_[i].points();
        frame.push_back(DrawLines{static_cast<Pen>(static_cast<int>(Pen::Trail0) + static_cast<int>(i)),
                                  {points.begin(), points.end()}});
    }
    frame.push_back(DrawEllipse{Pen::Ring, {2, 2, 96, 96}});
    const std::string date = dateText(clock.time);
    const std::string time = timeText(clock.time);
    frame.push_back(PaintText{Brush::Shadow, Font::Text, {6, 21}, date, date.size(), {}});
    frame.push_back(PaintText{Brush::Light, Font::Text, {5, 20}, date, date.size(), {}});
    frame.push_back(PaintText{Brush::Shadow, Font::Text, {36, 71}, time, time.size(), {}});
    frame.push_back(PaintText{Brush::Light, Font::Text, {35, 70}, time, time.size(), {}});
    frame.push_back(MakeGradient{
        Brush::OnLine, {0, 0, 40, 10}, static_cast<float>(2 * (360 - gamma_)), kOnLineFrom, kOnLineTo});
    frame.push_back(PaintText{Brush::OnLine, Font::Title, {0, 0}, "On Line", 7, {}});
}

void StatusAnimation::drawItem(Frame& frame, bool newItem, const FrameClock& clock) {
    state_ = AnimationState::ItemShown;
    if (newItem) {
        revealed_ = iconHeight_ = 0;
        drawFull(frame, FullFrame::Expanding, clock);
    } else {
        drawFull(frame, FullFrame::Advancing, clock);
    }
    const ShownItem& item = *item_;
    const auto lettersOf = [&](std::size_t field, int behind) {
        return std::min(static_cast<int>(letters_[field]), revealed_ - behind);
    };
    addText(frame, Font::Text, {100, 9}, item.name, lettersOf(0, 0));
    addText(frame, Font::Small, {110, 25}, item.app, lettersOf(1, 3), Point{targetWidth_ - 20, 12});
    addText(frame, Font::Small, {110, 35}, item.option, lettersOf(2, 5));
    addText(frame, Font::Small, {110, 45}, item.comment, lettersOf(3, 7));
    const std::string word(typeWord(item.type));
    addText(frame, Font::Small, {130, 60}, word, static_cast<int>(word.size()));
    if (item.hasIcon) {
        const int height = iconHeight_ == 0 ? 2 : std::min(iconHeight_, 16);
        frame.push_back(PaintIcon{Icon::Item, {42, 42, 16, height}});
    }
    if (item.boot != 0) {
        frame.push_back(PaintIcon{Icon::Boot, {100, 58, 16, 16}});
    }
    if (item.task != 0) {
        frame.push_back(PaintIcon{Icon::Task, {100, 58, 16, 16}});
    }
    if (item.extension != 0) {
        frame.push_back(PaintIcon{Icon::Extension, {110, 58, 16, 16}});
    }
    const int grow = 7 - clock.step / 2;
    revealed_ += grow;
    iconHeight_ += grow;
    if (revealed_ > kMaxRevealed) {
        revealed_ = iconHeight_ = kMaxRevealed;
    }
}

}  // namespace zek::display
