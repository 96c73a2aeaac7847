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

void send(std::vector<INPUT>& inputs) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    ::Sleep(30);
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

}  // namespace zek::e2e

namespace zek::e2e {

namespace {

// Mouse events at a screen point, in SendInput's absolute units.
template <std::size_t N>
void placeMouseEvents(INPUT (&inputs)[N], int x, int y) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN) - 1;
    const int height = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = x * 65535 / width;
        input.mi.dy = y * 65535 / height;
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
}

}  // namespace

void turnWheelAt(int x, int y, int delta) {
    INPUT inputs[2] = {};
    placeMouseEvents(inputs, x, y);
    inputs[1].mi.dwFlags |= MOUSEEVENTF_WHEEL;
    inputs[1].mi.mouseData = static_cast<DWORD>(delta);
    ::SendInput(2, inputs, sizeof(INPUT));
    ::Sleep(50);
}

void clickAt(int x, int y, bool rightButton) {
    INPUT inputs[3] = {};
    placeMouseEvents(inputs, x, y);
    inputs[1].mi.dwFlags |= rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    ::SendInput(3, inputs, sizeof(INPUT));
    ::Sleep(50);
}

void clickInClient(HWND window, const RECT& area, bool rightButton) {
    POINT point{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    ::ClientToScreen(window, &point);
    clickAt(point.x, point.y, rightButton);
}

void dragWithLeftButton(int x, int y, int dx, int dy) {
    INPUT press[2] = {};
    placeMouseEvents(press, x, y);
    press[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    ::SendInput(2, press, sizeof(INPUT));
    ::Sleep(200);
    for (int step = 1; step <= 5; ++step) {
        INPUT move[1] = {};
        placeMouseEvents(move, x + dx * step / 5, y + dy * step / 5);
        ::SendInput(1, move, sizeof(INPUT));
        ::Sleep(60);
    }
    INPUT release[1] = {};
    placeMouseEvents(release, x + dx, y + dy);
    release[0].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    ::SendInput(1, release, sizeof(INPUT));
    ::Sleep(100);
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
