#pragma once
// Keyboard input as a user types it, through SendInput.
#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace zek::e2e {

// Presses the keys in order and releases them in reverse: {VK_LWIN, VK_RETURN}.
void pressChord(std::initializer_list<WORD> virtualKeys);
void pressKey(WORD virtualKey);
// ASCII text, one key press per character (shift where needed).
void typeAscii(std::string_view text);
// Hands ANSI text to a window byte by byte as WM_CHAR, as an input method gives
// a double-byte character to an ANSI window: lead byte, then trail byte.
void sendCharacters(HWND window, std::string_view bytes);
// Whether another program holds this hotkey: true when registering it from here is refused as taken.
bool hotkeyTakenElsewhere(UINT modifiers, UINT key);

// A mouse click at a screen point, left or right button.
void clickAt(int x, int y, bool rightButton);
// Clicks the middle of `area`, given in the window's client coordinates.
void clickInClient(HWND window, const RECT& area, bool rightButton);
// One turn of the mouse wheel with the pointer at a screen point; +120 is one notch away from the user.
void turnWheelAt(int x, int y, int delta);
// Presses the left button at a screen point, moves it by (dx, dy) in a few steps and lets go.
void dragWithLeftButton(int x, int y, int dx, int dy);

}  // namespace zek::e2e
