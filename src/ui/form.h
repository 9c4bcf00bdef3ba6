// A top-level window of the program ("form"): created hidden with a fixed client size,
// wearing the themed frame, centred on the work area when shown, closable with a choice
// of what closing means, and able to run modally.
//
// A form is shown at a DPI: the one the application's DPI source gives it at creation,
// and the new one each time the system moves it to a display of another DPI
// (WM_DPICHANGED). Sizes in its options and in its controls' layouts are 96-DPI pixels,
// scaled to that DPI by the form and its controls.
//
// Declaring a form: derive from Form, pass the options to the base, declare the controls
// as members (they are created in declaration order, which is also the Tab order), and
// run the form's own creation code at the end of the constructor (a base class cannot
// call a derived virtual while it is being constructed):
//
//     class AboutWindow : public ui::Form {
//     public:
//         AboutWindow() : Form({.caption = "About", .clientWidth = 269, .clientHeight = 271}) {
//             FormCreate();
//         }
//     private:
//         void FormCreate() { close_.OnClick([this] { Close(); }); }
//         ui::Label title_{*this, {44, 20, 0, 0}, "Natalo"};
//         ui::Button close_{*this, {96, 230, 75, 25}, "&Close"};
//     };
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/frame_accessible.h"
#include "ui/gdi.h"
#include "ui/themed_frame.h"
#include "ui/tooltip.h"
#include "ui/window.h"

namespace natalo::ui {

class Control;

// What closing a form does (decided by OnClose).
enum class CloseAction {
    Hide,      // the default: hide the window
    Free,      // destroy the window; the object stays valid and reports !Exists()
    None,      // stay open
    Minimize,  // minimise instead
};

enum class WindowState { Normal, Minimized, Maximized };

enum class Placement {
    CenterOnFirstShow,  // centred on the work area the first time it is shown
    CenterOnEveryShow,
    Manual,
};

// The window class of every form: how another process finds the program's windows.
inline constexpr char kFormClassName[] = "NataloForm";
// The message that asks a running program to end: its main form ends the application, the
// other forms pass it over. Posted by an installer that is about to replace or remove the
// executable.
UINT CloseRequestMessage();

// The modal result of a modal form closed without SetModalResult.
constexpr int kModalCancel = 2;

struct FormOptions {
    std::string caption;
    int clientWidth = 400;
    int clientHeight = 300;
    BorderIcons borderIcons;
    bool resizable = false;
    bool alwaysOnTop = false;
    // Smallest size of the whole window the user can drag it to (0: no limit).
    SIZE minimumSize{0, 0};
    HWND owner = nullptr;
    Placement placement = Placement::CenterOnFirstShow;
    FrameStyle frame;
    std::optional<COLORREF> background;  // default: the system's button face colour
    FontSpec font = FontSpec::Points("MS Sans Serif", 8);
    // Whether Escape closes the form, as its close command does.
    bool closeOnEscape = false;
};

class Form : public Window, public FrameParts, private FrameHost {
  public:
    explicit Form(FormOptions options);
    ~Form() override;

    // Shows the window (running FormShow first when it was hidden) and activates it.
    void Show();
    void Hide();
    // Runs OnClose and does what it decided. Closing the application's main form
    // terminates the application instead. The title-band close button and Alt+F4 come here.
    void Close();

    // Shows the form and runs a nested message loop, with the application's other visible
    // forms, the main form and the owner disabled, until SetModalResult(n != 0) or until
    // the form is closed or hidden. Returns the modal result (kModalCancel when closed).
    int ShowModal();
    void SetModalResult(int result) { modalResult_ = result; }
    int ModalResult() const { return modalResult_; }
    bool IsModal() const { return inModal_; }

    WindowState GetWindowState() const;
    void SetWindowState(WindowState state);
    // Sets the width of the whole window (frame included, in layout pixels), keeping its
    // height.
    void SetOuterWidth(int width);
    // The client area's size in layout pixels.
    void SetClientSize(int width, int height);

    int Dpi() const override { return dpi_; }
    // Lays the form out again at another DPI: frame, fonts, controls and what the form
    // draws; the window's size follows (WM_DPICHANGED then places it where the system
    // suggests).
    void ApplyDpi(int dpi);

    ThemedFrame& Frame() { return frame_; }
    // The caption of the title band when it should differ from the window text.
    void SetFrameCaption(std::string caption);
    std::string FrameCaption() const { return frame_.CaptionText(Handle()); }

    COLORREF Background() const { return background_; }
    void SetBackground(COLORREF colour);
    HFONT Font() const { return font_; }
    const FontSpec& FontDescription() const { return fontSpec_; }
    // The form's tooltip control, created on first use.
    Tooltip& Tooltips();
    // Removes a control's tooltip without creating the tooltip control.
    void ForgetHint(HWND tool);

    // Puts the controls in this Tab order (by default it is the creation order). The
    // controls go in front of the others; radio groups follow the same order.
    void SetTabOrder(std::initializer_list<Control*> controls);
    void SetTabOrder(const std::vector<Control*>& controls);

    // Installs the menu strip of the frame: captions, and who opens their menus.
    void SetMenuStrip(std::vector<std::string> captions,
                      std::function<void(int index, bool byKeyboard)> open);
    // Opens a menu strip item as a click or Alt+letter would.
    void OpenMenuStripItem(int index, bool byKeyboard);

    // Every keyboard message for this form or one of its children passes here first, once,
    // before the dialog manager; return true to claim it (it is then neither handed to the
    // dialog manager nor dispatched). So Enter in a one-line edit, a date picker or on a
    // button arrives here as one WM_KEYDOWN and one WM_KEYUP (message.hwnd = the control).
    // Unclaimed, the WM_KEYDOWN goes to the dialog manager, which turns it into the form's
    // IDOK (a focused push button or picture button is then pressed, nothing else happens),
    // and the WM_KEYUP is dispatched to the control. Claim the WM_KEYDOWN too when acting
    // on the WM_KEYUP, so that a focused button is not pressed as well.
    virtual bool PreTranslateMessage(MSG& message);

    // Whether the form shows where the focus is: once the keyboard is used to move about in
    // it, as the system's keyboard cues go (WM_UPDATEUISTATE). A mouse user sees none.
    bool ShowsFocusCues() const { return !hideFocus_; }
    // A key that moves the focus or opens a menu reached the form.
    void KeyboardNavigationUsed();

    // A control of the form took the focus: it gets it back when the form is activated again.
    void ControlFocused(HWND control) { focusedChild_ = control; }

    // The form a window belongs to (the window itself or its top-level ancestor).
    static Form* FromAnyWindow(HWND window);

  protected:
    // Runs each time the form goes from hidden to shown, before it becomes visible.
    virtual void FormShow() {}
    // Runs when the form is asked to close; change `action` to decide what happens.
    virtual void OnClose(CloseAction& action) { (void)action; }
    // Escape pressed in the form and taken by no control: closes the form when its options
    // say so, and does nothing otherwise.
    virtual void EscapePressed();
    // Paints over the background of the client area (also for transparent controls).
    virtual void Paint(HDC dc) { (void)dc; }
    // After the form and its controls were laid out at a new DPI: what the form itself
    // keeps for a DPI (pictures, places it computed) is made again here.
    virtual void DpiChanged() {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // What screen readers read of the title band and the menu strip.
    std::string TitleText() const override { return FrameCaption(); }
    std::vector<std::string> MenuStripCaptions() const override { return frame_.MenuItems(); }
    RECT PartOnScreen(int index) const override;
    void OpenMenuStripItemSoon(int index) override;

  private:
    void FrameButtonClicked(FrameButton button) override;
    void MenuStripItemChosen(int index, bool byKeyboard) override;
    void CenterOnWorkArea();
    void FocusFirstCommand();
    SIZE OuterSize(int dpi) const;
    void UpdateCorners();
    void ShowSystemMenu();
    void HandleDialogOk();
    void HandleActivation(WPARAM wParam);
    std::vector<HWND> DisableOtherWindows();

    ThemedFrame frame_;
    COLORREF background_;
    FontSpec fontSpec_;
    int dpi_;
    HFONT font_;
    SIZE clientSize_;  // layout pixels
    Placement placement_;
    bool closeOnEscape_;
    SIZE minimumSize_;
    HWND owner_;
    bool shownOnce_ = false;
    bool hideFocus_ = true;
    bool inModal_ = false;
    int modalResult_ = 0;
    WindowState pendingState_ = WindowState::Normal;
    HWND focusedChild_ = nullptr;
    SIZE cornersAppliedFor_{-1, -1};
    std::unique_ptr<Tooltip> tooltip_;
    std::function<void(int, bool)> openMenuStripItem_;
};

}  // namespace natalo::ui
