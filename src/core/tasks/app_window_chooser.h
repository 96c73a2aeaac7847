#pragma once
// The choice offered when a data item that switches to a running instance is run:
// "New" (start another instance) and the program's running windows.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/tasks/window_facts.h"

namespace zek::tasks {

inline constexpr std::int32_t kNewInstanceRowId = 1;
inline constexpr std::string_view kNewInstanceRowText = "New";

struct ChooserRow {
    std::int32_t id = 0;  // the menu command id
    std::string text;
    WindowHandle window = 0;  // 0 for "New"

    bool operator==(const ChooserRow&) const = default;
};

// "New" with id 1, then one row per application window of `programPath` in Z order
// with ids 2, 3, ..., titled as read into the title buffer. Only "New" means there
// is nothing to choose: the program starts a new instance without a menu.
std::vector<ChooserRow> appWindowChooserRows(const Desktop& desktop, std::string_view programPath);

struct AppWindowChoice {
    enum class Kind { Cancelled, StartNew, Activate };
    Kind kind = Kind::Cancelled;
    WindowHandle window = 0;  // for Activate

    bool operator==(const AppWindowChoice&) const = default;
};

// What the menu's answer means: 0 is cancelled, "New" starts a new instance, a
// window row activates its window, unless it has gone meanwhile, which starts a new
// instance too. An id that is no row's is taken as cancelled.
AppWindowChoice resolveAppWindowChoice(std::span<const ChooserRow> rows, std::int32_t chosenId,
                                       const std::function<bool(WindowHandle)>& stillExists);

}  // namespace zek::tasks
