#pragma once
// The status picture's animation: the intro that unfolds the instrument, the idle
// frames that turn it, and the panel that widens for the item the command box
// shows while its texts are typed out. Every update returns the frame it draws.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/display/frame.h"
#include "core/display/orbit_trail.h"
#include "core/display/status_texts.h"

namespace zek::display {

// What an update needs to know of the moment it runs in.
struct FrameClock {
    int step = 10;              // the settings' animation step (2 to 10)
    LocalTime time;             // for the date and time texts
    std::uint32_t seconds = 0;  // whole seconds, to reseed a restarting trail
};

// The item shown, as the command box hands it over (texts in the system code page).
struct ShownItem {
    std::int32_t key = -1;  // the item's serial
    std::string name;
    std::string app;
    std::string option;
    std::string comment;
    std::int32_t type = 0;
    std::int32_t boot = 0;
    std::int32_t task = 0;
    std::int32_t extension = 0;
    bool hasIcon = false;
};

enum class AnimationState { IntroNotStarted = 0, IntroRunning = 1, ItemShown = 3, Idle = 4 };

// The panel outline's 15 points at a width.
std::array<Point, kOutlinePoints> panelOutlineAt(int width);

class StatusAnimation {
  public:
    StatusAnimation(RandomSource& random, std::uint32_t seconds);

    // On show: no item, widths back to 150, the intro to come, the trails restarted.
    void reset(std::uint32_t seconds);
    // On hide: the item's texts are let go.
    void dropItem();

    // The command box chose an item; the same item again draws nothing.
    Frame showItem(ShownItem item, TextMeasurer& measurer, const FrameClock& clock);
    // The command box found no item: the texts go at once, the panel shrinks over
    // the next frames.
    void showNoItem();
    // The animation timer's tick.
    Frame nextFrame(const FrameClock& clock);

    // The width the bar shows: it draws this + 100 pixels and is this + 110 wide.
    int currentWidth() const { return currentWidth_; }
    int targetWidth() const { return targetWidth_; }
    int panelWidth() const { return panelWidth_; }
    AnimationState state() const { return state_; }
    bool holdsItem() const { return item_.has_value(); }
    std::int32_t shownKey() const { return itemKey_; }
    int alpha() const { return alpha_; }
    int beta() const { return beta_; }
    int gamma() const { return gamma_; }
    int revealed() const { return revealed_; }
    const std::array<OrbitTrail, 3>& trails() const { return trails_; }

  private:
    enum class FullFrame { Clearing, Expanding, Advancing };

    bool drawIntro(Frame& frame, bool first, int step);
    void drawFull(Frame& frame, FullFrame kind, const FrameClock& clock);
    void drawPanel(Frame& frame, int step);
    void drawInstrument(Frame& frame, const FrameClock& clock);
    void drawItem(Frame& frame, bool newItem, const FrameClock& clock);
    void clearBehindPicture(Frame& frame) const;

    RandomSource& random_;
    AnimationState state_ = AnimationState::IntroNotStarted;
    std::optional<ShownItem> item_;
    std::size_t letters_[4] = {};  // characters of name, app, option, comment
    std::int32_t itemKey_ = -1;
    int targetWidth_ = kNarrowPanelWidth;
    int currentWidth_ = kNarrowPanelWidth;
    // The counters the whole display shares.
    int progress_ = 0;
    int alpha_ = 0;
    int beta_ = 0;
    int gamma_ = 0;
    bool expanded_ = false;
    int panelWidth_ = kNarrowPanelWidth;
    int revealed_ = 0;
    int iconHeight_ = 0;
    std::array<OrbitTrail, 3> trails_{};
};

}  // namespace zek::display
