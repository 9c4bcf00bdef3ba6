// The main window's tray icon, tray menu, daily timer and autostart entry.
#include "addressbook/tray_menu.h"

#include "addressbook/main_window.h"
#include "platform/win32_environment.h"
#include "trayicon/simple_timer_handler.h"
#include "ui/application.h"
#include "ui/display_dpi.h"
#include "ui/message_dialog.h"

namespace natalo {

MainWindowTray::MainWindowTray(TInput& window)
    : window_(window),
      trayIcon_(&window),
      timer_(MakeSimpleTimer(kDailyCheckInterval, [this] { Timer1Timer(); })),
      autostart_(ExecutablePath()) {
    showBirthdaysItem_ = menu_.AddItem("Show Birthdays", [this] { window_.ShowBirthdays(); });
    editAddressListItem_ = menu_.AddItem("Edit address list", [this] { EditAddressListClick(); });
    menu_.AddSeparator();
    startWithWindowsItem_ =
        menu_.AddItem("Start with Windows", [this] { StartWithWindowsClick(); });
    menu_.AddSeparator();
    aboutItem_ = menu_.AddItem("About", [this] { window_.cmdAboutClick(); });
    menu_.AddSeparator();
    closeItem_ = menu_.AddItem("&Close", [this] { CloseClick(); });

    // The notification area shows small icons at the session's DPI.
    trayIcon_.SetIcon(ui::ProgramIcon(ui::SystemMetricForDpi(SM_CXSMICON, ui::SystemDpi())));
    trayIcon_.SetPopupMenu(&menu_);
    trayIcon_.SetMinimizeToTray(true);
    trayIcon_.OnClick = [this] { window_.ShowBirthdays(); };
    trayIcon_.OnDblClick = [this] { TrayIconDblClick(); };
    trayIcon_.SetIconVisible(true);
    trayIcon_.Loaded();

    timer_->SetEnabled(true);
}

MainWindowTray::~MainWindowTray() = default;

MainWindowTray* MainWindowTray::Of(const TInput& window) {
    return window.Tray();
}

void MainWindowTray::ReadAutostartState() {
    menu_.SetChecked(startWithWindowsItem_, autostart_.IsOn());
}

void MainWindowTray::TrayIconDblClick() {
    window_.Show();
    window_.SetWindowState(ui::WindowState::Normal);
}

void MainWindowTray::EditAddressListClick() {
    window_.HideBirthdayWindow();
    window_.Show();
    window_.SetWindowState(ui::WindowState::Normal);
}

// The check mark changes first; a failed write is reported with the mark already set.
void MainWindowTray::StartWithWindowsClick() {
    const bool switchOn = !menu_.Checked(startWithWindowsItem_);
    menu_.SetChecked(startWithWindowsItem_, switchOn);
    if (switchOn)
        autostart_.SwitchOn();
    else
        autostart_.SwitchOff();
}

void MainWindowTray::CloseClick() {
    ui::MessageDialog confirmation("Close", "Do you really wan't to close the program?",
                                   ui::MessageIcon::Warning, {{"Yes", 1}, {"No", 2}});
    if (confirmation.ShowModal() == 1)
        window_.Close();
}

void MainWindowTray::Timer1Timer() {
    window_.ShowBirthdays();
}

}  // namespace natalo
