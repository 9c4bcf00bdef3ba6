// The main window's tray: the notification-area icon with its menu, the daily timer and
// the "Start with Windows" item. One per main window, created with it and freed when its
// window is destroyed.
#pragma once

#include <windows.h>

#include <memory>

#include "addressbook/autostart_entry.h"
#include "trayicon/simple_timer.h"
#include "trayicon/tray_icon.h"
#include "ui/menu.h"

namespace natalo {

class TInput;

// Once a day while the program runs, counted from the start of the main window.
constexpr std::uint32_t kDailyCheckInterval = 86400000;

class MainWindowTray {
  public:
    // The icon's and the daily timer run on `timers`, the system's timers when none is given.
    MainWindowTray(TInput& window, std::shared_ptr<TimerDriver> timers);
    ~MainWindowTray();
    MainWindowTray(const MainWindowTray&) = delete;
    MainWindowTray& operator=(const MainWindowTray&) = delete;

    // The tray of a main window, or null before CreateTrayIcon and after its window went.
    static MainWindowTray* Of(const TInput& window);

    TTrayIcon& TrayIcon1() { return trayIcon_; }
    ui::PopupMenu& TrayMenu() { return menu_; }
    TSimpleTimer& Timer1() { return *timer_; }

    // The menu's command ids.
    int Geburtstagslistezeigen1() const { return showBirthdaysItem_; }
    int EditAddressListItem() const { return editAddressListItem_; }
    int StartWithWindowsItem() const { return startWithWindowsItem_; }
    int AboutItem() const { return aboutItem_; }
    int CloseItem() const { return closeItem_; }

    // Sets the "Start with Windows" check mark from the Run entry; may raise a registry
    // error for an entry that is not text.
    void ReadAutostartState();

    // The menu's and the icon's handlers.
    void TrayIconDblClick();
    void EditAddressListClick();
    void StartWithWindowsClick();
    void CloseClick();
    void Timer1Timer();

  private:
    TInput& window_;
    ui::PopupMenu menu_;
    int showBirthdaysItem_ = 0;
    int editAddressListItem_ = 0;
    int startWithWindowsItem_ = 0;
    int aboutItem_ = 0;
    int closeItem_ = 0;
    TTrayIcon trayIcon_;
    std::unique_ptr<TSimpleTimer> timer_;
    AutostartEntry autostart_;
};

}  // namespace natalo
