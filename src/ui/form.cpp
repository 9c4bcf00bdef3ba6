#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/menu.h"

namespace natalo::ui {
namespace {

// Asks a form to open a menu strip item (posted: the menu runs a loop of its own).
UINT OpenMenuStripItemMessage() {
    static const UINT message = ::RegisterWindowMessageA("Natalo.OpenMenuStripItem");
    return message;
}
// Newer than the headers the program is built against for Windows 7.
constexpr UINT kDpiChanged = 0x02E0;
constexpr UINT kGetDpiScaledSize = 0x02E4;
#ifdef WM_DPICHANGED
static_assert(kDpiChanged == WM_DPICHANGED);
#endif
#ifdef WM_GETDPISCALEDSIZE
static_assert(kGetDpiScaledSize == WM_GETDPISCALEDSIZE);
#endif

DWORD FormStyle(const FormOptions& options) {
    DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (options.borderIcons.systemMenu)
        style |= WS_SYSMENU;
    if (options.borderIcons.minimize)
        style |= WS_MINIMIZEBOX;
    if (options.borderIcons.maximize)
        style |= WS_MAXIMIZEBOX;
    if (options.resizable)
        style |= WS_THICKFRAME;
    return style;
}

DWORD FormExStyle(const FormOptions& options) {
    // WS_EX_CONTROLPARENT lets Tab move into controls nested in group boxes.
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (options.alwaysOnTop)
        exStyle |= WS_EX_TOPMOST;
    if (!options.owner)
        exStyle |= WS_EX_APPWINDOW;
    return exStyle;
}

}  // namespace

UINT CloseRequestMessage() {
    static const UINT message = ::RegisterWindowMessageA("Natalo.CloseRequest");
    return message;
}

Form::Form(FormOptions options)
    : frame_(options.frame, options.borderIcons, options.resizable),
      background_(options.background.value_or(::GetSysColor(COLOR_BTNFACE))),
      fontSpec_(options.font),
      dpi_(App().DpiOf(nullptr)),
      font_(CachedFont(fontSpec_, dpi_)),
      clientSize_{options.clientWidth, options.clientHeight},
      placement_(options.placement),
      closeOnEscape_(options.closeOnEscape),
      minimumSize_(options.minimumSize),
      owner_(options.owner) {
    RegisterOwnClass(kFormClassName, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW);
    frame_.SetDpi(dpi_);
    const SIZE outer = OuterSize(dpi_);
    App().AddForm(*this);
    CreateOwn(kFormClassName, FormExStyle(options), FormStyle(options), {0, 0, outer.cx, outer.cy},
              options.owner, nullptr, options.caption);
    // The window may have come up on a display of another DPI than the one expected.
    ApplyDpi(App().DpiOf(Handle()));
    // No focus cues until the keyboard is used.
    ::SendMessageA(Handle(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL),
                   0);
}

void Form::KeyboardNavigationUsed() {
    if (hideFocus_)
        ::SendMessageA(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    // The system may keep the cues as they are (Wine does): the form follows its own rule.
    if (hideFocus_) {
        ::SendMessageA(Handle(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
}

Form::~Form() {
    App().RemoveForm(*this);
    DestroyHandle();
}

Form* Form::FromAnyWindow(HWND window) {
    if (!window)
        return nullptr;
    return dynamic_cast<Form*>(Window::FromHandle(::GetAncestor(window, GA_ROOT)));
}

bool Form::PreTranslateMessage(MSG&) {
    return false;
}

void Form::Show() {
    if (!Exists())
        return;
    if (::IsWindowVisible(Handle())) {
        ::SetForegroundWindow(Handle());
        return;
    }
    FormShow();
    if (!Exists())
        return;
    if (placement_ == Placement::CenterOnEveryShow ||
        (placement_ == Placement::CenterOnFirstShow && !shownOnce_)) {
        CenterOnWorkArea();
    }
    shownOnce_ = true;
    int command = SW_SHOW;
    if (pendingState_ == WindowState::Minimized)
        command = SW_SHOWMINIMIZED;
    if (pendingState_ == WindowState::Maximized)
        command = SW_SHOWMAXIMIZED;
    pendingState_ = WindowState::Normal;
    ::ShowWindow(Handle(), command);
    ::SetForegroundWindow(Handle());
    FocusFirstCommand();
    ::UpdateWindow(Handle());
}

// A window shown from the tray, a timer or a menu takes the keyboard at its first command
// (the activation does it too, but not when the window was active before it was shown).
void Form::FocusFirstCommand() {
    HWND focus = ::GetFocus();
    if (::GetActiveWindow() != Handle() || (focus && ::IsChild(Handle(), focus)))
        return;
    if (HWND first = ::GetNextDlgTabItem(Handle(), nullptr, FALSE))
        ::SetFocus(first);
}

void Form::Hide() {
    if (Exists())
        ::ShowWindow(Handle(), SW_HIDE);
}

void Form::Close() {
    if (!Exists())
        return;
    CloseAction action = CloseAction::Hide;
    OnClose(action);
    if (action == CloseAction::None || !Exists())
        return;
    if (App().MainForm() == this) {
        App().Terminate();
        return;
    }
    switch (action) {
        case CloseAction::Hide:
            Hide();
            break;
        case CloseAction::Minimize:
            SetWindowState(WindowState::Minimized);
            break;
        case CloseAction::Free:
            DestroyHandle();
            break;
        case CloseAction::None:
            break;
    }
}

std::vector<HWND> Form::DisableOtherWindows() {
    std::vector<HWND> disabled;
    auto disable = [&](HWND window) {
        if (window && window != Handle() && ::IsWindowEnabled(window) &&
            std::find(disabled.begin(), disabled.end(), window) == disabled.end()) {
            ::EnableWindow(window, FALSE);
            disabled.push_back(window);
        }
    };
    disable(owner_);
    if (Form* main = App().MainForm())
        disable(main->Handle());
    for (Form* form : App().Forms()) {
        if (form->Exists() && ::IsWindowVisible(form->Handle()))
            disable(form->Handle());
    }
    return disabled;
}

int Form::ShowModal() {
    if (!Exists() || inModal_)
        return 0;
    HWND previouslyActive = ::GetActiveWindow();
    std::vector<HWND> disabled = DisableOtherWindows();
    inModal_ = true;
    modalResult_ = 0;
    ::EnableWindow(Handle(), TRUE);
    Show();
    bool hideAfterwards = true;
    while (true) {
        if (!Exists() || !::IsWindowVisible(Handle())) {
            if (modalResult_ == 0)
                modalResult_ = kModalCancel;
            hideAfterwards = false;
            break;
        }
        if (modalResult_ != 0) {
            CloseAction action = CloseAction::Hide;
            OnClose(action);
            if (action != CloseAction::None)
                break;
            modalResult_ = 0;
        }
        if (App().Terminated()) {
            if (modalResult_ == 0)
                modalResult_ = kModalCancel;
            break;
        }
        if (!App().HandleMessage()) {
            ::PostQuitMessage(0);  // leave the quit for the outer loop too
            break;
        }
    }
    // Enable before hiding, so that Windows hands the activation back to them.
    for (auto window = disabled.rbegin(); window != disabled.rend(); ++window) {
        if (::IsWindow(*window))
            ::EnableWindow(*window, TRUE);
    }
    if (hideAfterwards && Exists())
        Hide();
    if (previouslyActive && previouslyActive != Handle() && ::IsWindow(previouslyActive) &&
        ::IsWindowVisible(previouslyActive)) {
        ::SetActiveWindow(previouslyActive);
    }
    inModal_ = false;
    return modalResult_;
}

WindowState Form::GetWindowState() const {
    if (!Exists())
        return WindowState::Normal;
    if (!::IsWindowVisible(Handle()))
        return pendingState_;
    if (::IsIconic(Handle()))
        return WindowState::Minimized;
    if (::IsZoomed(Handle()))
        return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::SetWindowState(WindowState state) {
    if (!Exists())
        return;
    if (!::IsWindowVisible(Handle())) {
        pendingState_ = state;
        return;
    }
    switch (state) {
        case WindowState::Minimized:
            ::ShowWindow(Handle(), SW_MINIMIZE);
            break;
        case WindowState::Maximized:
            ::ShowWindow(Handle(), SW_MAXIMIZE);
            break;
        case WindowState::Normal:
            if (::IsIconic(Handle()) || ::IsZoomed(Handle()))
                ::ShowWindow(Handle(), SW_RESTORE);
            break;
    }
}

void Form::SetOuterWidth(int width) {
    Bounds bounds = GetBounds();
    ::SetWindowPos(Handle(), nullptr, 0, 0, Scaled(width), bounds.height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Form::OuterSize(int dpi) const {
    const RECT margins = frame_.MarginsAt(dpi);
    return {ScaleToDpi(clientSize_.cx, dpi) + margins.left + margins.right,
            ScaleToDpi(clientSize_.cy, dpi) + margins.top + margins.bottom};
}

void Form::SetClientSize(int width, int height) {
    clientSize_ = {width, height};
    const SIZE outer = OuterSize(dpi_);
    ::SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Form::ApplyDpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_ || !Exists())
        return;
    const int oldDpi = dpi_;
    dpi_ = dpi;
    frame_.SetDpi(dpi);
    font_ = CachedFont(fontSpec_, dpi);
    // Parents come before their children, so a control nested in a group box is placed
    // inside its box's new rectangle.
    std::vector<Control*> controls;
    ::EnumChildWindows(
        Handle(),
        [](HWND child, LPARAM found) {
            if (auto* control = dynamic_cast<Control*>(Window::FromHandle(child)))
                reinterpret_cast<std::vector<Control*>*>(found)->push_back(control);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    for (Control* control : controls)
        control->DpiChanged(oldDpi, dpi);
    if (tooltip_)
        tooltip_->DpiChanged(dpi);
    SetClientSize(clientSize_.cx, clientSize_.cy);
    DpiChanged();
    ::RedrawWindow(Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::SetFrameCaption(std::string caption) {
    frame_.SetCaption(std::move(caption));
    frame_.Redraw(Handle());
}

void Form::SetBackground(COLORREF colour) {
    background_ = colour;
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

Tooltip& Form::Tooltips() {
    if (!tooltip_)
        tooltip_ = std::make_unique<Tooltip>(Handle(), dpi_);
    return *tooltip_;
}

void Form::SetTabOrder(std::initializer_list<Control*> controls) {
    SetTabOrder(std::vector<Control*>(controls));
}

void Form::SetTabOrder(const std::vector<Control*>& controls) {
    HWND previous = HWND_TOP;
    for (Control* control : controls) {
        ::SetWindowPos(control->Handle(), previous, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control->Handle();
    }
}

void Form::ForgetHint(HWND tool) {
    if (tooltip_)
        tooltip_->RemoveTip(tool);
}

void Form::SetMenuStrip(std::vector<std::string> captions,
                        std::function<void(int index, bool byKeyboard)> open) {
    frame_.SetMenuItems(std::move(captions));
    openMenuStripItem_ = std::move(open);
    SetClientSize(clientSize_.cx, clientSize_.cy);
}

void Form::OpenMenuStripItem(int index, bool byKeyboard) {
    if (openMenuStripItem_ && index >= 0 && index < static_cast<int>(frame_.MenuItems().size())) {
        openMenuStripItem_(index, byKeyboard);
    }
}

RECT Form::PartOnScreen(int index) const {
    RECT window{};
    ::GetWindowRect(Handle(), &window);
    RECT part = index < 0 ? frame_.TitleBandRect(Handle()) : frame_.MenuItemRect(Handle(), index);
    if (::IsRectEmpty(&part))
        return window;  // a band drawn by the form itself, in its client area
    ::OffsetRect(&part, window.left, window.top);
    return part;
}

void Form::OpenMenuStripItemSoon(int index) {
    ::PostMessageA(Handle(), OpenMenuStripItemMessage(), static_cast<WPARAM>(index), 0);
}

void Form::MenuStripItemChosen(int index, bool byKeyboard) {
    OpenMenuStripItem(index, byKeyboard);
}

void Form::FrameButtonClicked(FrameButton button) {
    switch (button) {
        case FrameButton::Close:
            Close();
            break;
        case FrameButton::Minimize:
            SetWindowState(WindowState::Minimized);
            break;
        case FrameButton::Maximize:
            SetWindowState(::IsZoomed(Handle()) ? WindowState::Normal : WindowState::Maximized);
            break;
        case FrameButton::SystemMenu:
            ShowSystemMenu();
            break;
        case FrameButton::None:
            break;
    }
}

void Form::ShowSystemMenu() {
    HMENU menu = ::GetSystemMenu(Handle(), FALSE);
    if (!menu)
        return;
    RECT button = frame_.ButtonRect(Handle(), FrameButton::SystemMenu);
    RECT window{};
    ::GetWindowRect(Handle(), &window);
    int command = ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN,
                                   window.left + button.left, window.top + button.bottom, 0,
                                   Handle(), nullptr);
    if (command)
        ::SendMessageA(Handle(), WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
}

void Form::UpdateCorners() {
    Bounds bounds = GetBounds();
    if (bounds.width != cornersAppliedFor_.cx || bounds.height != cornersAppliedFor_.cy) {
        cornersAppliedFor_ = {bounds.width, bounds.height};
        frame_.ApplyCorners(Handle());
    }
}

void Form::CenterOnWorkArea() {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    Bounds bounds = GetBounds();
    int left = work.left + (work.right - work.left - bounds.width) / 2;
    int top = work.top + (work.bottom - work.top - bounds.height) / 2;
    ::SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::EscapePressed() {
    if (closeOnEscape_)
        Close();
}

// Enter that no control wanted: the dialog manager sends IDOK. A focused push button (or
// picture button) is pressed, as in a dialog box; anything else ignores it.
void Form::HandleDialogOk() {
    if (auto* control = dynamic_cast<Control*>(Window::FromHandle(::GetFocus()))) {
        if (FromAnyWindow(control->Handle()) == this)
            control->ActivateByKeyboard();
    }
}

// A plain window loses track of the focused control when it is deactivated; keep it, so
// that focus comes back to the same control (after a modal form, for instance).
void Form::HandleActivation(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(Handle(), focus))
            focusedChild_ = focus;
        return;
    }
    if (::IsIconic(Handle()))
        return;
    HWND target = focusedChild_;
    if (!target || !::IsWindow(target) || !::IsChild(Handle(), target) ||
        !::IsWindowVisible(target) || !::IsWindowEnabled(target)) {
        target = ::GetNextDlgTabItem(Handle(), nullptr, FALSE);
    }
    if (target)
        ::SetFocus(target);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (message == OpenMenuStripItemMessage()) {
        OpenMenuStripItem(static_cast<int>(wParam), true);
        return 0;
    }
    // An installer ends the program without asking: nothing is written at exit, every
    // change is on disk already.
    if (message == CloseRequestMessage()) {
        if (App().MainForm() == this)
            App().Terminate();
        return 0;
    }
    // Controls ask their form first (DefWindowProc), so this covers them as well.
    if (message == WM_SETCURSOR && App().Busy()) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        return TRUE;
    }
    if (frame_.HandleMessage(Handle(), message, wParam, lParam, result, *this))
        return result;
    switch (message) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_SETTEXT:
            result = DefaultHandling(message, wParam, lParam);
            frame_.Redraw(Handle());
            return result;
        case WM_ERASEBKGND: {
            RECT client = ClientRect();
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, CachedBrush(background_));
            return 1;
        }
        case WM_PAINT: {
            PaintScope paint(Handle());
            Paint(paint.dc());
            return 0;
        }
        case WM_PRINTCLIENT: {
            auto dc = reinterpret_cast<HDC>(wParam);
            RECT client = ClientRect();
            ::FillRect(dc, &client, CachedBrush(background_));
            Paint(dc);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG: {
            auto dc = reinterpret_cast<HDC>(wParam);
            ::SetBkColor(dc, background_);
            ::SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(CachedBrush(background_));
        }
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_NOTIFYFORMAT:
            return NFR_ANSI;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            if (minimumSize_.cx > 0)
                info->ptMinTrackSize.x = Scaled(minimumSize_.cx);
            if (minimumSize_.cy > 0)
                info->ptMinTrackSize.y = Scaled(minimumSize_.cy);
            return 0;
        }
        case kGetDpiScaledSize: {
            // The size at the coming DPI, so that the rectangle WM_DPICHANGED suggests is
            // the form's own and not its present one stretched.
            const SIZE outer = OuterSize(LOWORD(wParam));
            *reinterpret_cast<SIZE*>(lParam) = outer;
            return TRUE;
        }
        case kDpiChanged: {
            ApplyDpi(LOWORD(wParam));
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            if (suggested) {
                ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                               suggested->right - suggested->left,
                               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return 0;
        }
        case WM_SIZE:  // the only size message while the window is being created
        case WM_WINDOWPOSCHANGED:
            // The outline follows every size change, also one that keeps the client size
            // (a menu strip added below the title band).
            result = DefaultHandling(message, wParam, lParam);
            UpdateCorners();
            return result;
        case WM_ACTIVATE:
            HandleActivation(wParam);
            return 0;
        case WM_COMMAND:
            if (lParam == 0 || LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                if (LOWORD(wParam) == IDOK) {
                    HandleDialogOk();
                } else if (LOWORD(wParam) == IDCANCEL) {
                    EscapePressed();  // the dialog manager's answer to Escape
                } else {
                    DispatchMenuCommand(LOWORD(wParam));
                }
                return 0;
            }
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU) {
                auto key = static_cast<char>(lParam);
                if (key == ' ' && frame_.Icons().systemMenu) {
                    ShowSystemMenu();
                } else if (key != 0 && key != ' ') {
                    int item = frame_.MenuItemForKey(key);
                    if (item >= 0) {
                        OpenMenuStripItem(item, true);
                    } else {
                        ::MessageBeep(0);
                    }
                }
                return 0;
            }
            break;
        case WM_GETOBJECT: {
            const auto object = static_cast<LONG>(lParam);
            if (object == OBJID_TITLEBAR)
                return AccessibleFramePart(Handle(), FramePart::TitleBand, wParam);
            if (object == OBJID_MENU && !frame_.MenuItems().empty())
                return AccessibleFramePart(Handle(), FramePart::MenuStrip, wParam);
            break;
        }
        case WM_UPDATEUISTATE:
            if (HIWORD(wParam) & UISF_HIDEFOCUS) {
                if (LOWORD(wParam) == UIS_SET)
                    hideFocus_ = true;
                if (LOWORD(wParam) == UIS_CLEAR)
                    hideFocus_ = false;
                ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
            }
            break;
        case WM_DESTROY:
            tooltip_.reset();
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace natalo::ui
