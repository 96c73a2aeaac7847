#pragma once
// A pair of hotkey boxes in a dialog: the first lists the modifier table, the
// second the key table, and the second is for a key only while the first holds a
// modifier combination.
#include <windows.h>

#include "core/app/global_hotkeys.h"
#include "core/dialogs/settings_forms.h"

namespace zek::win32 {

class HotkeyBoxes {
  public:
    HotkeyBoxes(HWND dialog, int firstId, int secondId)
        : dialog_(dialog), firstId_(firstId), secondId_(secondId) {}

    void fill() const;
    // Selects the entries whose whole texts are those of the pair's parts (so the
    // key "S" selects "S", not "Space"); a part without an entry selects nothing.
    void select(app::HotkeyPair pair) const;
    // Enables the second box for a combination, with its first entry when it was empty.
    void update() const;
    dialogs::HotkeyBoxTexts texts() const;
    app::HotkeyPair pair() const;
    int firstId() const { return firstId_; }

  private:
    HWND dialog_;
    int firstId_;
    int secondId_;
};

// Returns `registered`. When `pair` could not be registered, says that it is taken
// in a message box owned by `dialog` and puts the focus on `focusId`.
bool sayIfTaken(HWND dialog, bool registered, app::HotkeyPair pair, int focusId);

}  // namespace zek::win32
