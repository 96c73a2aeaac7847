#pragma once
// The texts of the status picture and the panel width they ask for.

#include <cstdint>
#include <string>
#include <string_view>

namespace zek::display {

// The local time as the system reports it.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

std::string dateText(const LocalTime& time);  // "2026/12/07"
std::string timeText(const LocalTime& time);  // "13:05:09:042"

// The kind word drawn under the item's texts; none ("") for types outside 1..6.
std::string_view typeWord(std::int32_t type);

// How wide a text is drawn in the bar's text font; asked of the platform.
class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    virtual int extent(std::string_view text) = 0;
};

inline constexpr int kNarrowPanelWidth = 150;

// The width the panel grows to for an item: the name's extent + 10, widened to
// 95 % of the path, option or comment where one is longer; 150 below 110, else
// that width + 40.
int targetWidthFor(std::string_view name, std::string_view app, std::string_view option,
                   std::string_view comment, TextMeasurer& measurer);

}  // namespace zek::display
