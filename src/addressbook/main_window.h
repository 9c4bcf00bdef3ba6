// TInput: the main window with the address list, the details panel of the clicked record
// and the commands to add, change and delete records. It owns the open data file and the
// address book's staging values; it is created first and hidden, and it is the
// application's main form. The windows its other commands open are created after it or
// live in other parts of the program: the program connects them at start-up
// (Connections, ConnectEditor), and only then starts the window (Start).
#pragma once

#include <array>
#include <memory>
#include <string>

#include "addressbook/address_book.h"
#include "addressbook/address_list.h"
#include "addressbook/data_file.h"
#include "platform/environment.h"
#include "trayicon/simple_timer.h"
#include "ui/button.h"
#include "ui/command.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/menu.h"

namespace natalo {

class MainWindowTray;
class Tfrmerf;

// Gives a window an opacity from 0 (transparent) to 255 where the system supports layered
// windows; elsewhere the window stays opaque.
void SetTransparentForm(HWND window, BYTE alpha);

class TInput : public ui::Form, private AddressBookView {
  public:
    // What the commands open that is not the main window's own.
    struct Connections {
        // Hides the birthday window shown now, if there is one.
        ui::Command hideBirthdayWindow{"hide the birthday window"};
        // Creates a new birthday window and shows it.
        ui::Command showNewBirthdayWindow{"Show Birthdays"};
        ui::Command showTellAFriend{"Tell friends about Natalo"};
        ui::Command showAbout{"About"};
        // The import dialog, modal.
        ui::Command importList{"Import"};
        ui::Command exportList{"Export"};
        ui::Command exportVCards{"Export as vCard"};
        ui::Command exportCalendar{"Export birthdays as iCalendar"};
    };

    // The tray's timers run on `timers`, the system's timers when none is given.
    explicit TInput(const Environment& environment, std::shared_ptr<TimerDriver> timers = nullptr);
    ~TInput() override;

    Connections& Connect() { return connections_; }
    // The address editor that "&Add" and "Change address" open.
    void ConnectEditor(Tfrmerf& editor) { editor_ = &editor; }
    // Starts the tray icon with its daily timer, then runs the creation handler (which
    // opens the data file). Called once every command is connected: from here on a click
    // on the icon can come, and the creation handler's messages and error boxes run a
    // message loop that serves it.
    void Start();

    const Environment& Env() const { return environment_; }
    DataFile& Data() { return dataFile_; }
    AddressBook& Book() { return book_; }
    const AddressList& List() const { return list_; }

    // Rebuilds the list from the data file, in the default order.
    void RefreshList() override;
    // Shows a record in the details panel.
    void ShowRecordDetails(const AddressRecord& record) override;

    // The commands, as the buttons, menus and list events run them.
    void DetailsClick();
    void ChangeClick();
    void cmdAddClick();
    void DeleteClick();
    void ColumnClick(int column);
    // The first row from `start` on (wrapping around) whose last name begins with what the
    // user typed, in the list's current order; -1 for none.
    int FindLastName(const std::string& typed, int start) const;
    void cmdCloseClick() { Hide(); }

    // Commands that open windows of other parts of the program, through the connections.
    // Hides the current birthday window and this one, and shows a new birthday window.
    void ShowBirthdays();
    // Hides the current birthday window, if there is one.
    void HideBirthdayWindow();
    void cmdTellFriendsClick();
    void cmdAboutClick();
    void ImportClick();
    void ExportClick();
    void ExportVCardClick();
    void ExportCalendarClick();
    // Sets the "Start with Windows" check mark from the registry.
    void ReadAutostartState();
    // The tray icon with its menu and timer; null once the window is gone.
    MainWindowTray* Tray() const { return tray_.get(); }

    // Controls, named as the rest of the program knows them.
    ui::ListView& lvHeaders() { return lvHeaders_; }
    ui::Button& cmdAdd() { return cmdAdd_; }
    ui::Button& cmdBirthdays() { return cmdBirthdays_; }
    ui::Button& cmdTellFriends() { return cmdTellFriends_; }
    ui::Button& cmdAbout() { return cmdAbout_; }
    ui::Button& cmdClose() { return cmdClose_; }
    ui::Label& DetailLabel(int index) { return *details_[static_cast<std::size_t>(index)]; }
    ui::PopupMenu& ListMenu() { return listMenu_; }
    ui::MenuBar& Menu() { return menu_; }
    int ImportCommand() const { return importCommand_; }
    int ExportCommand() const { return exportCommand_; }
    int ExportVCardCommand() const { return exportVCardCommand_; }
    int ExportCalendarCommand() const { return exportCalendarCommand_; }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The city keeps clear of a long postal code at the new DPI too.
    void DpiChanged() override { KeepCityAfterZip(); }

  private:
    void FormCreate();
    // The tray icon, its menu and the daily timer, started with the window.
    void CreateTrayIcon();
    Tfrmerf& Editor() const;
    void SetInitialDetails();
    void KeepCityAfterZip();

    Environment environment_;
    std::shared_ptr<TimerDriver> timers_;
    Connections connections_;
    Tfrmerf* editor_ = nullptr;
    DataFile dataFile_;
    AddressBook book_;
    AddressList list_;

    ui::MenuBar menu_;
    int importCommand_ = 0;
    int exportCommand_ = 0;
    int exportVCardCommand_ = 0;
    int exportCalendarCommand_ = 0;
    ui::ListView lvHeaders_;
    ui::PopupMenu listMenu_;
    // svname, sname, sadr, splz, sort, sland, sbdate, stel, sfax, shandy, semail, surl
    std::array<std::unique_ptr<ui::Label>, 12> details_;
    ui::GroupBox hints_;
    ui::Button cmdAdd_;
    ui::Button cmdBirthdays_;
    ui::Button cmdTellFriends_;
    ui::Button cmdAbout_;
    ui::Button cmdClose_;
    // Last, so that it goes first: its icon and timer call into the window. Freed also
    // when the window is destroyed while this object lives (WM_DESTROY).
    std::unique_ptr<MainWindowTray> tray_;
};

}  // namespace natalo
