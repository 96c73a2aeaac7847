#include "core/display/status_texts.h"

#include <cstdio>

#include "core/data/launcher_item.h"

namespace zek::display {

std::string dateText(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", time.year, time.month, time.day);
    return text;
}

std::string timeText(const LocalTime& time) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d:%03d", time.hour, time.minute, time.second,
                  time.millisecond);
    return text;
}

std::string_view typeWord(std::int32_t type) {
    if (type < static_cast<std::int32_t>(data::ItemType::DefaultRootNode) ||
        type > static_cast<std::int32_t>(data::ItemType::DefaultCommand)) {
        return {};
    }
    return data::itemTypeDisplayWord(static_cast<data::ItemType>(type));
}

int targetWidthFor(std::string_view name, std::string_view app, std::string_view option,
                   std::string_view comment, TextMeasurer& measurer) {
    int width = measurer.extent(name) + 10;
    for (std::string_view text : {app, option, comment}) {
        if (text.empty()) {
            continue;
        }
        const int extent = measurer.extent(text);
        if (width < extent) {
            width = static_cast<int>(extent * 0.95);
        }
    }
    return width < 110 ? kNarrowPanelWidth : width + 40;
}

}  // namespace zek::display
