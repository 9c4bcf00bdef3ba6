#include "trayicon/tray_icon_behaviour.h"

#include <algorithm>
#include <utility>

namespace natalo {
namespace {

constexpr std::uint32_t kClickTimerInterval = 1000;
constexpr std::uint32_t kCycleTimerInterval = 1000;
// How often the cursor is checked for having left the icon.
constexpr std::uint32_t kExitTimerInterval = 20;

bool IsMouseNotification(unsigned notification) {
    return notification >= tray_notification::kMouseMove &&
           notification <= tray_notification::kMiddleButtonDoubleClick;
}

}  // namespace

TrayTipBytes TrayTip(std::string_view hint, bool showHint) {
    TrayTipBytes tip{};
    if (showHint && !hint.empty()) {
        const std::size_t length = std::min(hint.size(), kTrayTipSize - 1);
        std::copy_n(hint.begin(), length, tip.begin());
    }
    return tip;
}

TrayIconBehaviour::TrayIconBehaviour(std::shared_ptr<TimerDriver> timers) {
    cycleTimer_ =
        std::make_unique<TSimpleTimer>(timers, kCycleTimerInterval, [this] { CycleTick(); });
    clickTimer_ =
        std::make_unique<TSimpleTimer>(timers, kClickTimerInterval, [this] { ClickTick(); });
    exitTimer_ = std::make_unique<TSimpleTimer>(timers, kExitTimerInterval, [this] { ExitTick(); });
}

TrayIconBehaviour::~TrayIconBehaviour() = default;

void TrayIconBehaviour::FreeTimers() {
    cycleTimer_.reset();
    clickTimer_.reset();
    exitTimer_.reset();
}

void TrayIconBehaviour::SetHint(std::string hint) {
    hint_ = std::move(hint);
    RefreshTray();
}

void TrayIconBehaviour::SetShowHint(bool showHint) {
    showHint_ = showHint;
    RefreshTray();
}

void TrayIconBehaviour::SetIconVisible(bool visible) {
    if (visible)
        AddToTray();
    else
        RemoveFromTray();
}

void TrayIconBehaviour::SetIconIndex(int index) {
    const std::optional<int> count = IconListCount();
    if (count) {
        // Below 0 or in an empty list there is no image to show: the first one stands in.
        iconIndex_ = std::max(0, std::min(index, *count - 1));
        if (iconIndex_ < *count)
            CopyIconListImage(iconIndex_);
    } else {
        iconIndex_ = 0;
    }
    RefreshTray();
}

void TrayIconBehaviour::SetCycleIcons(bool cycle) {
    cycleIcons_ = cycle;
    if (cycle) {
        SetIconIndex(0);
        cycleTimer_->SetInterval(cycleInterval_);
        cycleTimer_->SetEnabled(true);
    } else {
        cycleTimer_->SetEnabled(false);
    }
}

void TrayIconBehaviour::SetCycleInterval(std::uint32_t intervalMs) {
    cycleInterval_ = intervalMs;
    SetCycleIcons(cycleIcons_);
}

void TrayIconBehaviour::SetWantEnterExitEvents(bool want) {
    wantEnterExitEvents_ = want;
    exitTimer_->SetEnabled(want);
}

bool TrayIconBehaviour::AddToTray() {
    iconVisible_ = true;
    return ShellNotify(TrayShellCommand::Add);
}

bool TrayIconBehaviour::RemoveFromTray() {
    iconVisible_ = false;
    return ShellNotify(TrayShellCommand::Delete);
}

bool TrayIconBehaviour::RefreshTray() {
    return ShellNotify(TrayShellCommand::Modify);
}

void TrayIconBehaviour::Loaded() {
    if (HasOwnerWindow()) {
        bool showMainForm = true;
        if (OnStartup)
            OnStartup(showMainForm);
        if (!showMainForm) {
            SuppressMainFormShowing();
            HideMainForm();
        }
    }
    RefreshTray();
    SetIconVisible(iconVisible_);
    SetCycleIcons(cycleIcons_);
    SetWantEnterExitEvents(wantEnterExitEvents_);
    ShellNotify(TrayShellCommand::SetVersion);
}

ScreenPoint TrayIconBehaviour::CursorOrOrigin() const {
    return CursorPosition().value_or(ScreenPoint{});
}

void TrayIconBehaviour::HandleNotification(unsigned notification) {
    namespace tn = tray_notification;
    if (IsMouseNotification(notification) && !enabled_)
        return;
    switch (notification) {
        case tn::kMouseMove: {
            if (wantEnterExitEvents_ && mouseOutside_) {
                MouseEnter();
                mouseOutside_ = false;
            }
            const ScreenPoint at = CursorOrOrigin();
            MouseMove(KeyboardShift(), at.x, at.y);
            lastMousePos_ = at;
            break;
        }
        case tn::kLeftButtonDown: {
            if (OnDblClick) {
                clickTimer_->SetInterval(DoubleClickTime());
                clickTimer_->SetEnabled(true);
            }
            const ScreenPoint at = CursorOrOrigin();
            MouseDown(mbLeft, KeyboardShift() | ssLeft, at.x, at.y);
            leftButtonDown_ = true;
            if (leftPopup_)
                ShowPopupAtCursor();
            break;
        }
        case tn::kLeftButtonUp: {
            if (leftButtonDown_) {
                clickPending_ = true;
                if (!clickTimer_->Enabled()) {
                    leftButtonDown_ = false;
                    clickPending_ = false;
                    Click();
                }
            }
            leftButtonDown_ = false;
            const ScreenPoint at = CursorOrOrigin();
            MouseUp(mbLeft, KeyboardShift() | ssLeft, at.x, at.y);
            break;
        }
        case tn::kLeftButtonDoubleClick:
            clickPending_ = false;
            doubleClickSeen_ = true;
            DblClick();
            if (HasAutoPopupMenu() && !leftPopup_)
                RunDefaultMenuItem();
            break;
        case tn::kRightButtonDown: {
            const ScreenPoint at = CursorOrOrigin();
            MouseDown(mbRight, KeyboardShift() | ssRight, at.x, at.y);
            ShowPopupAtCursor();
            break;
        }
        case tn::kRightButtonUp: {
            const ScreenPoint at = CursorOrOrigin();
            MouseUp(mbRight, KeyboardShift() | ssRight, at.x, at.y);
            break;
        }
        case tn::kMiddleButtonDown: {
            const ScreenPoint at = CursorOrOrigin();
            MouseDown(mbMiddle, KeyboardShift() | ssMiddle, at.x, at.y);
            break;
        }
        case tn::kMiddleButtonUp: {
            const ScreenPoint at = CursorOrOrigin();
            MouseUp(mbMiddle, KeyboardShift() | ssMiddle, at.x, at.y);
            break;
        }
        case tn::kBalloonShow:
            if (OnBalloonHintShow)
                OnBalloonHintShow();
            break;
        case tn::kBalloonHide:
            if (OnBalloonHintHide)
                OnBalloonHintHide();
            break;
        case tn::kBalloonTimeout:
            if (OnBalloonHintTimeout)
                OnBalloonHintTimeout();
            break;
        case tn::kBalloonUserClick:
            if (OnBalloonHintClick)
                OnBalloonHintClick();
            break;
        default:
            break;
    }
}

void TrayIconBehaviour::ShowPopupAtCursor() {
    if (!HasAutoPopupMenu())
        return;
    const std::optional<ScreenPoint> at = CursorPosition();
    if (!at)
        return;
    TrackPopupMenu(*at);
}

// With an OnDblClick handler a press starts this timer; when it runs out without a double
// click, the press was a single click.
void TrayIconBehaviour::ClickTick() {
    clickTimer_->SetEnabled(false);
    if (!doubleClickSeen_ && clickPending_) {
        clickPending_ = false;
        Click();
    }
    doubleClickSeen_ = false;
}

void TrayIconBehaviour::ExitTick() {
    if (mouseOutside_)
        return;
    const std::optional<ScreenPoint> at = CursorPosition();
    if (!at)
        return;
    if (*at != lastMousePos_) {
        mouseOutside_ = true;
        MouseExit();
    }
}

void TrayIconBehaviour::CycleTick() {
    const std::optional<int> count = IconListCount();
    if (!count)
        return;
    if (iconIndex_ < *count) {
        CopyIconListImage(iconIndex_);
        RefreshTray();
    }
    const int next = iconIndex_ < *count - 1 ? iconIndex_ + 1 : 0;
    Cycle(next);
    SetIconIndex(next);
}

void TrayIconBehaviour::ApplicationMinimized() {
    if (minimizeToTray_)
        SendToTray();
}

void TrayIconBehaviour::ApplicationPositionChanged(bool hasMainForm) {
    // The start-up event on this path belongs to MDI main forms, which this framework
    // does not have; the check ends with the first main form.
    if (startupPending_ && hasMainForm)
        startupPending_ = false;
}

void TrayIconBehaviour::TaskbarCreated() {
    if (iconVisible_)
        AddToTray();
}

bool TrayIconBehaviour::OwnerMinimizing() {
    if (!minimizeToTray_ || !OnMinimizeToTray)
        return false;
    OnMinimizeToTray();
    SendToTray();
    return true;
}

void TrayIconBehaviour::SendToTray() {
    HideMainForm();
    SetIconVisible(true);
}

void TrayIconBehaviour::Click() {
    if (OnClick)
        OnClick();
}

void TrayIconBehaviour::DblClick() {
    if (OnDblClick)
        OnDblClick();
}

void TrayIconBehaviour::Cycle(int nextIndex) {
    if (OnCycle)
        OnCycle(nextIndex);
}

void TrayIconBehaviour::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(button, shift, x, y);
}

void TrayIconBehaviour::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(button, shift, x, y);
}

void TrayIconBehaviour::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(shift, x, y);
}

void TrayIconBehaviour::MouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter();
}

void TrayIconBehaviour::MouseExit() {
    if (OnMouseExit)
        OnMouseExit();
}

}  // namespace natalo
