#pragma once
// The base of every modal dialog of the program: the dialog template from the
// resources, `this` bound to the window at WM_INITDIALOG, and one virtual handler
// per kind of message. No exception leaves a handler: one that escapes ends the
// dialog as cancelled.
#include <windows.h>

#include <string>

#include "core/display/dpi_scale.h"

namespace zek::win32 {

class ModalDialog {
  public:
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Runs the dialog to its end: the value given to end(), or -1 when it could not
    // be created.
    INT_PTR run(HINSTANCE instance, int templateId, HWND owner);

  protected:
    ModalDialog() = default;
    virtual ~ModalDialog() = default;

    HWND window() const { return window_; }
    HWND control(int id) const { return ::GetDlgItem(window_, id); }
    std::string controlText(int id, std::size_t capacity = 512) const;
    void setControlText(int id, const std::string& text) const;
    bool isChecked(int id) const;
    void setChecked(int id, bool checked) const;
    void enable(int id, bool enabled) const;
    // The title bar's icon: the 16x16 frame of icon resource `iconId` of `module`.
    void setSmallIcon(HINSTANCE module, int iconId) const;
    SIZE clientSize() const;
    // The DPI of the screen the dialog is on, for the layouts it makes in pixels
    // (the template's own are in dialog units, which the system scales).
    const display::DpiScale& scale() const { return scale_; }
    void end(INT_PTR result);

    // TRUE to let the system set the focus, as WM_INITDIALOG does.
    virtual bool onInit() { return true; }
    // A command from a control, a menu or an accelerator; true when handled.
    virtual bool onCommand(int id, int code, HWND source);
    // A notification from a control; `result` is what the message returns.
    virtual bool onNotify(const NMHDR& header, LRESULT& result);
    // Any other message; `result` is what the message returns.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // IDOK (Enter without a default button of another id) and IDCANCEL (Esc, the
    // close box). A dialog whose OK has rules overrides onOK.
    virtual void onOK() { end(IDOK); }
    virtual void onCancel() { end(IDCANCEL); }

  private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // What a dialog procedure returns for a handled message with this result.
    INT_PTR answer(UINT message, LRESULT result);

    HWND window_ = nullptr;
    display::DpiScale scale_;
};

}  // namespace zek::win32
