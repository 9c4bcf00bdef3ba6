#include "trayicon/tray_icon.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>

#include "trayicon/simple_timer_handler.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace natalo {
namespace {

// The icon data with the balloon fields (488 bytes in a 32-bit build).
constexpr DWORD kIconDataSize = NOTIFYICONDATAA_V2_SIZE;
static_assert(kIconDataSize == (sizeof(void*) == 4 ? 488 : 504));

constexpr UINT_PTR kApplicationHookId = 0x7A41;
constexpr UINT_PTR kOwnerWindowHookId = 0x7A42;

bool CommonControlsAtLeast(DWORD major, DWORD minor) {
    HMODULE module = ::GetModuleHandleA("comctl32.dll");
    if (!module)
        return false;
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(::GetProcAddress(module, "DllGetVersion")));
    if (!getVersion)
        return false;
    DLLVERSIONINFO version{};
    version.cbSize = sizeof version;
    if (FAILED(getVersion(&version)))
        return false;
    return version.dwMajorVersion > major ||
           (version.dwMajorVersion == major && version.dwMinorVersion >= minor);
}

DWORD ShellMessage(TrayShellCommand command) {
    switch (command) {
        case TrayShellCommand::Add:
            return NIM_ADD;
        case TrayShellCommand::Modify:
            return NIM_MODIFY;
        case TrayShellCommand::Delete:
            return NIM_DELETE;
        case TrayShellCommand::SetVersion:
            return NIM_SETVERSION;
    }
    return NIM_MODIFY;
}

bool KeyDown(int key) {
    return (::GetAsyncKeyState(key) & 0x8000) != 0;
}

}  // namespace

UINT TTrayIcon::TaskbarCreatedMessage() {
    static const UINT message =
        CommonControlsAtLeast(4, 71) ? ::RegisterWindowMessageA("TaskbarCreated") : 0;
    return message;
}

TTrayIcon::TTrayIcon(ui::Form* owner, std::shared_ptr<TimerDriver> timers)
    : TrayIconBehaviour(timers ? std::move(timers) : TSimpleTimerHandler::Instance()),
      handler_(TTrayIconHandler::Instance()),
      owner_(owner) {
    iconId_ = handler_->Register(*this);
    TaskbarCreatedMessage();
    if (owner_ && owner_->Exists()) {
        ownerWindow_ = owner_->Handle();
        ownerHooked_ = ::SetWindowSubclass(ownerWindow_, &TTrayIcon::OwnerWindowHook,
                                           kOwnerWindowHookId, reinterpret_cast<DWORD_PTR>(this));
    }
    // Hooked last, so it sees the messages first when it is the owner window as well.
    if (ui::Form* main = ui::App().MainForm(); main && main->Exists()) {
        applicationWindow_ = main->Handle();
        applicationHooked_ =
            ::SetWindowSubclass(applicationWindow_, &TTrayIcon::ApplicationHook, kApplicationHookId,
                                reinterpret_cast<DWORD_PTR>(this));
    }
}

TTrayIcon::~TTrayIcon() {
    SetIconVisible(false);
    FreeTimers();
    icon_.reset();
    RemoveHooks();
    handler_->Unregister(iconId_);
    handler_.reset();
}

void TTrayIcon::RemoveHooks() {
    if (applicationHooked_) {
        ::RemoveWindowSubclass(applicationWindow_, &TTrayIcon::ApplicationHook, kApplicationHookId);
        applicationHooked_ = false;
    }
    if (ownerHooked_) {
        ::RemoveWindowSubclass(ownerWindow_, &TTrayIcon::OwnerWindowHook, kOwnerWindowHookId);
        ownerHooked_ = false;
    }
}

void TTrayIcon::SetIcon(HICON icon) {
    icon_.reset(icon ? ::CopyIcon(icon) : nullptr);
    RefreshTray();
}

void TTrayIcon::SetIconList(HIMAGELIST list) {
    iconList_ = list;
    IconListChanged();
}

NOTIFYICONDATAA TTrayIcon::IconData() const {
    NOTIFYICONDATAA data{};
    data.cbSize = kIconDataSize;
    data.hWnd = handler_->Window();
    data.uID = iconId_;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon_.get();
    const TrayTipBytes tip = Tip();
    std::copy(tip.begin(), tip.end(), data.szTip);
    return data;
}

bool TTrayIcon::ShellNotify(TrayShellCommand command) {
    NOTIFYICONDATAA data = IconData();
    if (command == TrayShellCommand::SetVersion)
        data.uVersion = 0;  // every mouse action as a plain mouse message
    return ::Shell_NotifyIconA(ShellMessage(command), &data) != FALSE;
}

std::optional<ScreenPoint> TTrayIcon::CursorPosition() const {
    POINT point{};
    if (!::GetCursorPos(&point))
        return std::nullopt;
    return ScreenPoint{point.x, point.y};
}

TShiftState TTrayIcon::KeyboardShift() const {
    TShiftState shift = 0;
    if (KeyDown(VK_SHIFT))
        shift |= ssShift;
    if (KeyDown(VK_MENU))
        shift |= ssAlt;
    if (KeyDown(VK_CONTROL))
        shift |= ssCtrl;
    return shift;
}

std::uint32_t TTrayIcon::DoubleClickTime() const {
    return ::GetDoubleClickTime();
}

bool TTrayIcon::HasAutoPopupMenu() const {
    return popupMenu_ && popupAutoPopup_;
}

void TTrayIcon::TrackPopupMenu(ScreenPoint at) {
    // The menu closes on a click elsewhere only when one of our windows is in front.
    ::SetForegroundWindow(applicationWindow_ ? applicationWindow_ : HandlerWindow());
    ui::App().ProcessMessages();
    if (!popupMenu_)
        return;
    const bool ownerAlive = HasOwnerWindow();
    popupMenu_->Popup(ownerAlive ? ownerWindow_ : HandlerWindow(), POINT{at.x, at.y});
    if (ownerAlive)
        ::PostMessageA(ownerWindow_, WM_NULL, 0, 0);
}

void TTrayIcon::RunDefaultMenuItem() {
    if (!popupMenu_)
        return;
    const UINT id = ::GetMenuDefaultItem(popupMenu_->Handle(), FALSE, 0);
    if (id != static_cast<UINT>(-1))
        ui::DispatchMenuCommand(id);
}

std::optional<int> TTrayIcon::IconListCount() const {
    if (!iconList_)
        return std::nullopt;
    return ImageList_GetImageCount(iconList_);
}

void TTrayIcon::CopyIconListImage(int index) {
    icon_.reset(ImageList_GetIcon(iconList_, index, ILD_NORMAL));
}

bool TTrayIcon::HasOwnerWindow() const {
    return owner_ && ownerWindow_ && ::IsWindow(ownerWindow_);
}

void TTrayIcon::HideMainForm() {
    ui::Form* main = ui::App().MainForm();
    if (!HasOwnerWindow() || !main)
        return;
    main->Hide();
    HideTaskbarButton();
}

void TTrayIcon::HideTaskbarButton() {
    if (applicationWindow_ && ::IsWindowVisible(applicationWindow_))
        ::ShowWindow(applicationWindow_, SW_HIDE);
}

void TTrayIcon::SuppressMainFormShowing() {
    ui::App().SetShowMainForm(false);
}

void TTrayIcon::ApplicationMessage(UINT message, WPARAM wParam) {
    if (message == WM_SIZE && wParam == SIZE_MINIMIZED) {
        ApplicationMinimized();
    } else if (message == WM_WINDOWPOSCHANGED) {
        ApplicationPositionChanged(ui::App().MainForm() != nullptr);
    } else if (message == WM_SYSCOMMAND && wParam == SC_RESTORE) {
        if (ui::Form* main = ui::App().MainForm())
            main->Show();
    } else if (message != 0 && message == TaskbarCreatedMessage()) {
        TaskbarCreated();
    }
}

bool TTrayIcon::OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SHOWWINDOW && wParam && lParam == 0) {
        if (applicationWindow_)
            ::SetForegroundWindow(applicationWindow_);
        ::SetForegroundWindow(ownerWindow_);
        return false;
    }
    const bool hiddenWithParent = message == WM_SHOWWINDOW && !wParam &&
                                  lParam == SW_PARENTCLOSING && !ui::App().Terminated();
    const bool minimizing = message == WM_SYSCOMMAND && wParam == SC_MINIMIZE;
    if (hiddenWithParent || minimizing)
        return OwnerMinimizing();
    return false;
}

LRESULT CALLBACK TTrayIcon::ApplicationHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self) {
    auto* icon = reinterpret_cast<TTrayIcon*>(self);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &TTrayIcon::ApplicationHook, kApplicationHookId);
        icon->applicationHooked_ = false;
        icon->applicationWindow_ = nullptr;
    } else {
        // It only watches: every message goes on to the window.
        ui::App().Guard([&] { icon->ApplicationMessage(message, wParam); });
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK TTrayIcon::OwnerWindowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self) {
    auto* icon = reinterpret_cast<TTrayIcon*>(self);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &TTrayIcon::OwnerWindowHook, kOwnerWindowHookId);
        icon->ownerHooked_ = false;
        icon->ownerWindow_ = nullptr;
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    bool consumed = false;
    ui::App().Guard([&] { consumed = icon->OwnerMessage(message, wParam, lParam); });
    if (consumed)
        return 1;
    return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace natalo
