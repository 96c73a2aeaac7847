#pragma once
// How the three global hotkeys of the bar are registered from their stored pairs.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zek::app {

struct HotkeyPair {
    std::int32_t first = 0;
    std::int32_t second = 0;
};

struct HotkeyRegistration {
    unsigned modifiers = 0;
    unsigned virtualKey = 0;
};

// A pair with a zero part is off. A first part of 20 or more (taken unsigned) is
// a lone key registered without modifiers; below 20 it is the modifier set.
std::optional<HotkeyRegistration> registrationFor(HotkeyPair pair);

// The message shown when the hotkey with this id (0, 1 or 2) cannot be registered.
std::string_view globalHotkeyFailureText(int id);
inline constexpr std::string_view kHotkeyFailureCaption = "HOTKEY";

}  // namespace zek::app
