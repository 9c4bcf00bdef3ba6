// The base of all child controls: a child window on a form (or on another control, such
// as a group box) at a layout position, with a control id, a font, an optional tooltip
// hint and a tag. The object owns its window: destroying the object destroys the window.
//
// A control keeps its layout rectangle (96-DPI pixels) and its font description, and
// makes its window's rectangle and font from them for the form's DPI, again whenever the
// DPI changes.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/gdi.h"
#include "ui/window.h"

namespace natalo::ui {

class Form;

class Control : public Window {
  public:
    ~Control() override;

    int Id() const { return id_; }
    // The form the control lives on.
    Form* ParentForm() const;

    // The tooltip text shown over the control ("\r\n" breaks lines); empty removes it.
    virtual void SetHint(const std::string& hint);
    const std::string& Hint() const { return hint_; }

    void SetFont(const FontSpec& font);
    HFONT Font() const;
    // The font as described: the control's own, or the one it inherits from its parent.
    FontSpec FontDescription() const;

    // The rectangle in layout pixels (96 DPI) that the window is placed from.
    const Bounds& LayoutBounds() const { return layout_; }
    // Moves the control to a layout rectangle (the window goes there at the form's DPI).
    void SetLayoutBounds(const Bounds& layout);
    // Moves the control to a rectangle in device pixels, for a part that its owner lays out
    // itself at the form's DPI (the papers and page numbers of a scrolling print preview):
    // from then on a DPI change leaves the window where it is, for the owner to lay it out
    // anew.
    void SetDeviceBounds(const Bounds& device);
    // The form's DPI changed: the control takes its font and place for the new DPI.
    virtual void DpiChanged(int oldDpi, int newDpi);

    void SetVisible(bool visible);
    void SetFocus();
    bool Focused() const;
    // Whether the control has the focus and should show it: once the keyboard is in use
    // in its window (the system's keyboard cues, WM_UPDATEUISTATE).
    bool ShowsFocusCue() const;

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Enter pressed while the control has the focus and nothing else took the key.
    virtual void ActivateByKeyboard() {}

  protected:
    enum class Kind {
        Standard,  // a system control class, subclassed
        Own,       // a class of the framework, registered by the derived control
    };
    // Creates the window: WS_CHILD | WS_VISIBLE are added to `style`. The font is the
    // parent's until SetFont is called.
    Control(Window& parent, const Bounds& bounds, const std::string& text, const char* className,
            DWORD style, DWORD exStyle, Kind kind);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Where the window goes at the current DPI: the layout rectangle scaled (unless the
    // control sizes itself to its content), or where its owner placed it.
    virtual Bounds DeviceBounds() const;
    // Moves the window to DeviceBounds() when it is not there yet.
    void Place();
    // For controls that draw themselves: paints through an off-screen canvas (no flicker),
    // answers WM_PRINTCLIENT and skips the background erase. True when `message` was one
    // of those.
    bool HandleOwnPainting(UINT message, WPARAM wParam, const std::function<void(HDC)>& paint);
    // A button's click notification, handed to its handler. True when it was one.
    static bool HandleClickNotification(UINT message, WPARAM wParam,
                                        const std::function<void()>& onClick, LRESULT& result);
    // The parent's font at creation; own-class controls adopt it in their constructor
    // (the WM_SETFONT sent while the base is constructed cannot reach them yet).
    HFONT InheritedFont() const { return inheritedFont_; }

  private:
    int id_;
    Bounds layout_;
    bool placedByOwner_ = false;
    std::optional<FontSpec> font_;
    HFONT inheritedFont_ = nullptr;
    std::string hint_;
    int tag_ = 0;
};

}  // namespace natalo::ui
