#pragma once
// What the item form and the root-node form share: the priority trackbar with its
// label, the icon path with its chooser and its preview, and the dropped files.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

#include "win32/dialogs/modal_dialog.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {

class FormDialog : public ModalDialog {
  protected:
    // The trackbar's range and position, and the label showing it.
    void initPriority(int priority);
    int priority() const;
    // The preview shows the first icon of these paths that yields one, or none.
    void showPreview(const std::vector<std::string>& paths);
    // The text of an edit box trimmed; written back into the box when trimming changed it.
    std::string trimmedFieldText(int id);

    // Handles the trackbar, the icon chooser and file drops; the rest goes on.
    bool onCommand(int id, int code, HWND source) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Called with the dropped paths (each under 512 bytes; longer ones are left out).
    virtual void onFilesDropped(const std::vector<std::string>& paths) = 0;

  private:
    UniqueIcon preview_;
};

}  // namespace zek::win32
