// The base of all child controls: a child window on a form (or on another control, such
// as a group box) at a pixel position, with a control id, a font, an optional tooltip
// hint and a tag. The object owns its window: destroying the object destroys the window.
#pragma once

#include <windows.h>

#include <functional>
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
    void SetHint(const std::string& hint);
    const std::string& Hint() const { return hint_; }

    void SetFont(const FontSpec& font);
    HFONT Font() const;

    void SetVisible(bool visible);
    void SetFocus();
    bool Focused() const;

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
    HFONT inheritedFont_ = nullptr;
    std::string hint_;
    int tag_ = 0;
};

}  // namespace natalo::ui
