#include "driver/window_query.h"

#include <optional>

#include "app/messages.h"

namespace zek::e2e {

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    // <chrono> cannot be compiled to code page 932 (it holds a micro sign), so tick counts it is.
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (::GetTickCount64() >= deadline) {
            return condition();
        }
        ::Sleep(20);
    }
    return true;
}

HWND findBar() {
    return ::FindWindowA(app::kBarClassName, nullptr);
}

HWND waitForBar(DWORD timeoutMs) {
    HWND bar = nullptr;
    waitUntil([&] { return (bar = findBar()) != nullptr; }, timeoutMs);
    return bar;
}

std::string windowText(HWND window) {
    std::string text(4096, '\0');
    const LRESULT length =
        ::SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

std::string className(HWND window) {
    char name[256] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD processOf(HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::vector<HWND> dialogsOfProcess(DWORD processId) {
    std::vector<HWND> dialogs;
    for (HWND window = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); window != nullptr;
         window = ::FindWindowExA(nullptr, window, "#32770", nullptr)) {
        if (processOf(window) == processId && ::IsWindowVisible(window)) {
            dialogs.push_back(window);
        }
    }
    return dialogs;
}

std::optional<MessageBoxView> waitForMessageBox(DWORD processId, DWORD timeoutMs) {
    HWND box = nullptr;
    waitUntil(
        [&] {
            const auto dialogs = dialogsOfProcess(processId);
            box = dialogs.empty() ? nullptr : dialogs.front();
            return box != nullptr;
        },
        timeoutMs);
    if (box == nullptr) {
        return std::nullopt;
    }
    MessageBoxView view;
    view.window = box;
    view.owner = ::GetWindow(box, GW_OWNER);
    view.caption = windowText(box);
    // The message text is the static control with id 0xFFFF.
    if (HWND text = ::GetDlgItem(box, 0xFFFF)) {
        view.text = windowText(text);
    }
    return view;
}

void pressDialogButton(HWND dialog, int buttonId) {
    HWND button = ::GetDlgItem(dialog, buttonId);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace zek::e2e
