// The base of every window the framework creates: binds an HWND to its C++ object and
// routes its messages to a virtual handler, with no exception ever leaving the window
// procedure.
//
// Two kinds of binding, one dispatch:
// - windows of the framework's own classes (forms, labels, picture buttons) get the
//   object pointer at WM_NCCREATE from lpCreateParams, kept in GWLP_USERDATA (used for
//   nothing else) and cleared at WM_NCDESTROY;
// - standard controls (buttons, edits, list views...) are subclassed with
//   SetWindowSubclass, the object pointer being the subclass's reference data.
//
// Notifications a child sends to its parent (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*,
// WM_DRAWITEM, WM_CONTEXTMENU) are first offered to the child's own object through
// HandleNotification, so a control handles its own clicks and colours.
//
// Creation fails loudly: CreateOwn, CreateSubclassed and RegisterOwnClass throw a
// std::runtime_error naming the class and the system's reason, so a window that could not
// be made is reported by the application's error handler instead of being a null handle.
//
// Destruction order: ~Window destroys the handle, and it runs after the derived class's
// destructor and its members are gone. The messages of that destruction (WM_DESTROY,
// WM_NCDESTROY) therefore reach only Window's own handling, never a derived override. A
// derived window that must react to its own destruction (free what runs its commands)
// does so in HandleMessage(WM_DESTROY), which covers a window destroyed while its object
// lives, and in its destructor or members for the object's own end.
#pragma once

#include <windows.h>

#include <string>

#include "ui/dpi_scale.h"

namespace natalo::ui {

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return handle_; }
    // False once the window has been destroyed (the object itself stays valid).
    bool Exists() const { return handle_ != nullptr; }

    std::string Text() const;
    void SetText(const std::string& text);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    // Whether the window and all its parents are visible.
    bool Visible() const;
    // Left, top, width, height in device pixels: parent client coordinates for a child
    // window, screen coordinates for a top-level one.
    Bounds GetBounds() const;
    void SetBounds(const Bounds& bounds);
    RECT ClientRect() const;
    void Invalidate() const;

    // The framework object bound to a window, or null for a foreign window.
    static Window* FromHandle(HWND window);

    // The DPI the window is shown at: its form's (see Form), or the display's.
    virtual int Dpi() const;
    // Layout pixels (96 DPI) in this window's device pixels. Every window and control
    // turns its layout into pixels through these, never on its own.
    int Scaled(int layoutPixels) const { return ScaleToDpi(layoutPixels, Dpi()); }
    Bounds Scaled(const Bounds& layout) const { return ScaleToDpi(layout, Dpi()); }

  protected:
    Window() = default;

    // Creates a window of a class registered with RegisterOwnClass, bound to this object.
    void CreateOwn(const char* className, DWORD exStyle, DWORD style, const Bounds& bounds,
                   HWND parent, HMENU menuOrId, const std::string& text);
    // Creates a standard control and subclasses it, bound to this object.
    void CreateSubclassed(const char* className, DWORD exStyle, DWORD style, const Bounds& bounds,
                          HWND parent, int id, const std::string& text);
    // Registers (once) a window class whose procedure dispatches to the bound object.
    static void RegisterOwnClass(const char* className, UINT classStyle, LPCSTR cursor);
    void DestroyHandle();

    // The window's messages. The default passes them on to DefaultHandling.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The previous procedure: DefWindowProcA or the standard control's own.
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification this window sent to its parent, offered back to it first. Return
    // true with `result` set when handled.
    virtual bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    static LRESULT CALLBACK OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    bool subclassed_ = false;
};

}  // namespace natalo::ui
