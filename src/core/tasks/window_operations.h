#pragma once
// The operations on all task windows: minimise all, restore all, activate the next
// window, and how a chosen window is brought to the user.

#include <optional>
#include <vector>

#include "core/tasks/window_facts.h"

namespace zek::tasks {

// The task windows that minimise all and restore all show anew, in the order they
// are shown: the bottom-most first. Only the top-most kWindowTableSize count.
std::vector<WindowHandle> minimizeRestoreOrder(const Desktop& desktop);

struct NextWindowStep {
    WindowHandle sinkToBottom;  // the top task window goes to the bottom of the Z order
    WindowHandle activate;      // and the task window below it comes to the front
};

// None when there are fewer than two task windows. Repeated steps cycle through all
// task windows.
std::optional<NextWindowStep> nextWindowStep(const Desktop& desktop);

enum class Activation { Skip, Restore, BringToFront };

// A window that has gone is skipped; a minimised one is restored, any other brought
// to the foreground.
constexpr Activation activationFor(bool stillExists, bool iconic) {
    if (!stillExists) {
        return Activation::Skip;
    }
    return iconic ? Activation::Restore : Activation::BringToFront;
}

}  // namespace zek::tasks
