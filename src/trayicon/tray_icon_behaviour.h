// What a notification-area icon does, apart from talking to the shell: its settings,
// the dispatch of the shell's notifications to events, the timer that tells a single
// click from a double click, icon cycling, the mouse enter and exit detection, sending
// the program to the tray and the tip text of the icon data. TTrayIcon (tray_icon.h)
// supplies the shell, the cursor, the keyboard, the popup menu and the main form through
// the protected hooks, so that all of this also runs in the portable tests.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "trayicon/simple_timer.h"
#include "ui/mouse_button.h"

namespace natalo {

// The notifications the shell passes in lParam of the icon's callback message (the
// shell's first behaviour: every mouse action arrives as a plain mouse message).
namespace tray_notification {
constexpr unsigned kMouseMove = 0x200;
constexpr unsigned kLeftButtonDown = 0x201;
constexpr unsigned kLeftButtonUp = 0x202;
constexpr unsigned kLeftButtonDoubleClick = 0x203;
constexpr unsigned kRightButtonDown = 0x204;
constexpr unsigned kRightButtonUp = 0x205;
constexpr unsigned kRightButtonDoubleClick = 0x206;
constexpr unsigned kMiddleButtonDown = 0x207;
constexpr unsigned kMiddleButtonUp = 0x208;
constexpr unsigned kMiddleButtonDoubleClick = 0x209;
constexpr unsigned kBalloonShow = 0x402;
constexpr unsigned kBalloonHide = 0x403;
constexpr unsigned kBalloonTimeout = 0x404;
constexpr unsigned kBalloonUserClick = 0x405;
}  // namespace tray_notification

// The shift state: keys held at the moment a notification is handled, plus the button of
// a press or release.
enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
};
using TShiftState = unsigned;

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

enum class TrayShellCommand { Add, Modify, Delete, SetVersion };

// The tip field of the icon data: 128 bytes, zero-terminated.
constexpr std::size_t kTrayTipSize = 128;
using TrayTipBytes = std::array<char, kTrayTipSize>;
// The first 127 characters of the hint when it is shown and not empty; otherwise all zero.
TrayTipBytes TrayTip(std::string_view hint, bool showHint);

class TrayIconBehaviour {
  public:
    using NotifyEvent = std::function<void()>;
    using MouseEvent = std::function<void(TMouseButton button, TShiftState shift, int x, int y)>;
    using MouseMoveEvent = std::function<void(TShiftState shift, int x, int y)>;
    using TCycleEvent = std::function<void(int nextIndex)>;
    using TStartupEvent = std::function<void(bool& showMainForm)>;

    // The timers tick through this driver.
    explicit TrayIconBehaviour(std::shared_ptr<TimerDriver> timers);
    virtual ~TrayIconBehaviour();
    TrayIconBehaviour(const TrayIconBehaviour&) = delete;
    TrayIconBehaviour& operator=(const TrayIconBehaviour&) = delete;

    // Events. A handler that is not assigned is simply not called; whether OnDblClick is
    // assigned changes how single clicks are told apart (see HandleNotification).
    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    TCycleEvent OnCycle;
    TStartupEvent OnStartup;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    MouseMoveEvent OnMouseMove;
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseExit;
    NotifyEvent OnMinimizeToTray;
    NotifyEvent OnBalloonHintShow;
    NotifyEvent OnBalloonHintHide;
    NotifyEvent OnBalloonHintTimeout;
    NotifyEvent OnBalloonHintClick;

    // While false, the shell's mouse notifications are ignored (balloons still pass).
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint);
    // The tip as the next shell call passes it.
    TrayTipBytes Tip() const { return TrayTip(hint_, showHint_); }

    bool IconVisible() const { return iconVisible_; }
    // True adds the icon to the notification area, false removes it.
    void SetIconVisible(bool visible);

    // With an icon list: clamped to the list's images and that image shown. Without one
    // it stays 0.
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);

    bool CycleIcons() const { return cycleIcons_; }
    // True starts at image 0 and cycles every CycleInterval ms (never with 0).
    void SetCycleIcons(bool cycle);
    std::uint32_t CycleInterval() const { return cycleInterval_; }
    void SetCycleInterval(std::uint32_t intervalMs);

    // The popup menu also opens on a left press.
    bool LeftPopup() const { return leftPopup_; }
    void SetLeftPopup(bool leftPopup) { leftPopup_ = leftPopup; }

    bool WantEnterExitEvents() const { return wantEnterExitEvents_; }
    void SetWantEnterExitEvents(bool want);

    bool MinimizeToTray() const { return minimizeToTray_; }
    void SetMinimizeToTray(bool minimize) { minimizeToTray_ = minimize; }

    // The shell calls; each returns whether the shell accepted it.
    virtual bool AddToTray();
    virtual bool RemoveFromTray();
    virtual bool RefreshTray();

    // Run once the settings are in place: the start-up event, the icon pushed to the
    // shell, the timers matching the settings, and the shell's first notification
    // behaviour.
    void Loaded();

    // One notification of the shell (lParam of the callback message).
    void HandleNotification(unsigned notification);

    // The application window was minimised (WM_SIZE, SIZE_MINIMIZED).
    void ApplicationMinimized();
    // The application window moved or changed; the start-up check waits for a main form.
    void ApplicationPositionChanged(bool hasMainForm);
    bool StartupPending() const { return startupPending_; }
    // The taskbar was re-created: a visible icon is added again.
    void TaskbarCreated();
    // The owner window is being minimised or hidden with its parent: returns true when
    // the message is consumed (only with MinimizeToTray and an OnMinimizeToTray handler).
    bool OwnerMinimizing();

    // Hides the main form and shows the icon.
    virtual void SendToTray();

    // The timers, for the Windows part and for tests.
    TSimpleTimer& CycleTimer() { return *cycleTimer_; }
    TSimpleTimer& ClickTimer() { return *clickTimer_; }
    TSimpleTimer& ExitTimer() { return *exitTimer_; }

  protected:
    // Raise the events when their handlers are assigned.
    virtual void Click();
    virtual void DblClick();
    virtual void Cycle(int nextIndex);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseExit();

    // The platform underneath.
    virtual bool ShellNotify(TrayShellCommand command) = 0;
    virtual std::optional<ScreenPoint> CursorPosition() const = 0;
    // The keyboard part of the shift state.
    virtual TShiftState KeyboardShift() const = 0;
    virtual std::uint32_t DoubleClickTime() const = 0;
    // Whether a popup menu is assigned and opens by itself.
    virtual bool HasAutoPopupMenu() const = 0;
    // Opens the popup menu at the point and returns when it has closed.
    virtual void TrackPopupMenu(ScreenPoint at) = 0;
    // Runs the popup menu's default top-level item, if it has one.
    virtual void RunDefaultMenuItem() = 0;
    // The number of images of the icon list, or nothing without one.
    virtual std::optional<int> IconListCount() const = 0;
    // Copies an image of the icon list into the icon (the shell is told separately).
    virtual void CopyIconListImage(int index) = 0;
    virtual bool HasOwnerWindow() const = 0;
    // Hides the main form and the taskbar button.
    virtual void HideMainForm() = 0;
    // Keeps the message loop from showing the main form when it starts.
    virtual void SuppressMainFormShowing() = 0;

    // A new icon list (or none): start again at its first image.
    void IconListChanged() { SetIconIndex(0); }
    // Frees the three timers; the Windows part does it in its own order of destruction.
    void FreeTimers();

  private:
    void ShowPopupAtCursor();
    ScreenPoint CursorOrOrigin() const;
    void ClickTick();
    void ExitTick();
    void CycleTick();

    bool enabled_ = true;
    bool iconVisible_ = false;
    std::string hint_;
    bool showHint_ = true;
    bool leftPopup_ = false;
    bool minimizeToTray_ = false;
    bool leftButtonDown_ = false;
    bool clickPending_ = false;
    std::unique_ptr<TSimpleTimer> cycleTimer_;
    std::unique_ptr<TSimpleTimer> clickTimer_;
    std::unique_ptr<TSimpleTimer> exitTimer_;
    ScreenPoint lastMousePos_;
    bool mouseOutside_ = true;
    bool wantEnterExitEvents_ = false;
    bool doubleClickSeen_ = false;
    int iconIndex_ = 0;
    bool startupPending_ = true;
    bool cycleIcons_ = false;
    std::uint32_t cycleInterval_ = 0;
};

}  // namespace natalo
