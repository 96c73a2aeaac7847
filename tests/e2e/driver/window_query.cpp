#include "driver/window_query.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/app/messages.h"
#include "core/text/character_positions.h"
#include "driver/input.h"
#include "win32/platform/wide_text.h"

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

std::string windowText(HWND window) {
    std::string text(4096, '\0');
    // Bounded, so that a hung launcher fails the scenario's wait instead of
    // stopping the scenario until the runner's timeout kills it without a word.
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                               SMTO_ABORTIFHUNG, 5000, &length)) {
        std::fprintf(stderr, "window %p did not answer WM_GETTEXT within 5 s\n", static_cast<void*>(window));
        length = 0;
    }
    text.resize(std::min<std::size_t>(length, text.size()));
    return text;
}

std::pair<int, int> editSelection(HWND edit) {
    const LRESULT range = ::SendMessageA(edit, EM_GETSEL, 0, 0);
    return {LOWORD(range), HIWORD(range)};
}

std::string selectedEditText(HWND edit) {
    const std::string all = windowText(edit);
    auto [start, end] = editSelection(edit);
    const auto length = static_cast<std::size_t>(::SendMessageA(edit, EM_LINELENGTH, 0, 0));
    if (length != all.size() && length == text::characterCount(all)) {
        start = static_cast<int>(text::byteOffsetOfCharacter(all, start));
        end = static_cast<int>(text::byteOffsetOfCharacter(all, end));
    }
    return all.substr(start, end - start);
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

std::optional<MessageBoxView> waitForDialog(DWORD processId, const std::optional<std::string>& caption,
                                            DWORD timeoutMs) {
    HWND found = nullptr;
    waitUntil(
        [&] {
            for (HWND dialog : dialogsOfProcess(processId)) {
                if (found == nullptr && (!caption || windowText(dialog) == *caption)) {
                    found = dialog;
                }
            }
            return found != nullptr;
        },
        timeoutMs);
    if (found == nullptr) {
        return std::nullopt;
    }
    // A message box's text is the static control with id 0xFFFF.
    HWND text = ::GetDlgItem(found, 0xFFFF);
    return MessageBoxView{found, ::GetWindow(found, GW_OWNER), windowText(found),
                          text != nullptr ? windowText(text) : ""};
}

bool waitForDialogClosed(HWND dialog, DWORD timeoutMs) {
    return waitUntil([&] { return ::IsWindow(dialog) == FALSE || ::IsWindowVisible(dialog) == FALSE; },
                     timeoutMs);
}

void setDialogItemText(HWND dialog, int id, const std::string& text) {
    ::SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void pressDialogButton(HWND dialog, int buttonId) {
    HWND button = ::GetDlgItem(dialog, buttonId);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void chooseInCombo(HWND dialog, int comboId, const std::string& text) {
    HWND combo = ::GetDlgItem(dialog, comboId);
    ::SendMessageA(combo, CB_SETCURSEL,
                   ::SendMessageA(combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text.c_str())), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void pressKeyIn(HWND dialog, int controlId, WORD key) {
    ::SetForegroundWindow(dialog);
    ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, controlId)), TRUE);
    pressKey(key);
}

bool waitForFocusOn(HWND dialog, int controlId, DWORD timeoutMs) {
    return waitUntil(
        [&] {
            GUITHREADINFO focus{sizeof focus};
            return ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &focus) &&
                   focus.hwndFocus == ::GetDlgItem(dialog, controlId);
        },
        timeoutMs);
}

HWND waitForOpenMenu(DWORD timeoutMs) {
    HWND menu = nullptr;
    waitUntil(
        [&] {
            const auto menus = openMenus();
            menu = menus.empty() ? nullptr : menus.front();
            return menu != nullptr;
        },
        timeoutMs);
    return menu;
}

RECT windowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

int windowWidth(HWND window) {
    const RECT rect = windowRect(window);
    return rect.right - rect.left;
}

HWND trayIconWindow() {
    HWND tray = ::FindWindowA("__winex11_standalone_tray", nullptr);
    return tray != nullptr && ::IsWindowVisible(tray) ? ::GetWindow(tray, GW_CHILD) : nullptr;
}

std::vector<HWND> openMenus() {
    std::vector<HWND> menus;
    for (HWND menu = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu != nullptr;
         menu = ::FindWindowExA(nullptr, menu, "#32768", nullptr)) {
        if (::IsWindowVisible(menu)) {
            menus.push_back(menu);
        }
    }
    return menus;
}

bool closeOpenMenus(DWORD timeoutMs) {
    // Escape closes one level at a time, and only once the menu is tracking keys.
    return waitUntil(
        [] {
            const auto menus = openMenus();
            if (!menus.empty()) {
                ::PostMessageA(menus.front(), WM_KEYDOWN, VK_ESCAPE, 0);
                ::Sleep(100);
            }
            return openMenus().empty();
        },
        timeoutMs);
}

HWND findCommandBox(HWND bar) {
    return ::FindWindowExA(bar, nullptr, "ComboBox", nullptr);
}

HWND findCommandEdit(HWND bar) {
    return ::FindWindowExA(findCommandBox(bar), nullptr, "Edit", nullptr);
}

std::vector<std::string> listTexts(HWND combo) {
    // Across processes Wine hands list texts back as UTF-16 whatever was asked.
    std::vector<std::string> texts;
    const LRESULT count = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring wide(std::max<LRESULT>(::SendMessageW(combo, CB_GETLBTEXTLEN, i, 0), 0) + 1, L'\0');
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
        texts.push_back(win32::narrowText(wide.c_str()));
    }
    return texts;
}

}  // namespace zek::e2e
