#include "driver/input.h"

#include <vector>

namespace zek::e2e {

namespace {

INPUT keyEvent(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

// One batch, so that nothing comes between its events, then a pause for the receiver.
void send(std::vector<INPUT> inputs, DWORD pauseMs = 30) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    ::Sleep(pauseMs);
}

// A mouse event at a screen point, in SendInput's absolute units.
INPUT mouseAt(int x, int y, DWORD flags = 0, int wheel = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.mouseData = static_cast<DWORD>(wheel);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    return input;
}

}  // namespace

void pressChord(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys) {
        inputs.push_back(keyEvent(key, false));
    }
    for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) {
        inputs.push_back(keyEvent(*key, true));
    }
    send(inputs);
}

void pressKey(WORD virtualKey) {
    pressChord({virtualKey});
}

void typeAscii(std::string_view text) {
    for (char c : text) {
        const SHORT scan = ::VkKeyScanA(c);
        const WORD key = LOBYTE(scan);
        if (HIBYTE(scan) & 1) {
            pressChord({VK_SHIFT, key});
        } else {
            pressKey(key);
        }
    }
}

void turnWheelAt(int x, int y, int delta) {
    send({mouseAt(x, y), mouseAt(x, y, MOUSEEVENTF_WHEEL, delta)}, 50);
}

void clickAt(int x, int y, bool rightButton) {
    send({mouseAt(x, y), mouseAt(x, y, rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
          mouseAt(x, y, rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)},
         50);
}

void clickInClient(HWND window, const RECT& area, bool rightButton) {
    POINT point{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    ::ClientToScreen(window, &point);
    clickAt(point.x, point.y, rightButton);
}

void dragWithLeftButton(int x, int y, int dx, int dy) {
    send({mouseAt(x, y), mouseAt(x, y, MOUSEEVENTF_LEFTDOWN)}, 200);
    for (int step = 1; step <= 5; ++step) {
        send({mouseAt(x + dx * step / 5, y + dy * step / 5)}, 60);
    }
    send({mouseAt(x + dx, y + dy, MOUSEEVENTF_LEFTUP)}, 100);
}

void sendCharacters(HWND window, std::string_view bytes) {
    for (const char byte : bytes) {
        ::SendMessageA(window, WM_CHAR, static_cast<unsigned char>(byte), 1);
    }
}

bool hotkeyTakenElsewhere(UINT modifiers, UINT key) {
    constexpr int kTrialId = 0x7000;
    if (::RegisterHotKey(nullptr, kTrialId, modifiers, key)) {
        ::UnregisterHotKey(nullptr, kTrialId);
        return false;
    }
    return ::GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

}  // namespace zek::e2e
