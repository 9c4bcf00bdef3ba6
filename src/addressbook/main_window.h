// TInput: the main window with the address list, the details panel of the clicked record
// and the commands to add, change and delete records. It owns the open data file and the
// address book's staging values; it is created first and hidden, and it is the
// application's main form.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "addressbook/address_book.h"
#include "addressbook/address_list.h"
#include "addressbook/data_file.h"
#include "platform/environment.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/menu.h"

namespace natalo {

class MainWindowTray;

// Gives a window an opacity from 0 (transparent) to 255 where the system supports layered
// windows; elsewhere the window stays opaque.
void SetTransparentForm(HWND window, BYTE alpha);

class TInput : public ui::Form, private AddressBookView {
  public:
    explicit TInput(const Environment& environment);
    ~TInput() override;

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
    void cmdCloseClick() { Hide(); }

    // Commands whose windows live in other subsystems; each is defined next to them.
    // Hides the current birthday window and this one, and shows a new birthday window.
    void ShowBirthdays();
    // Hides the current birthday window, if there is one.
    void HideBirthdayWindow();
    void cmdTellFriendsClick();
    void cmdAboutClick();
    void ImportClick();
    void ExportClick();
    // The tray icon, its menu and the daily timer, started with the window.
    void CreateTrayIcon();
    // Sets the "Start with Windows" check mark from the registry.
    void ReadAutostartState();
    // The tray icon with its menu and timer; null once the window is gone.
    MainWindowTray* Tray() const { return tray_.get(); }
    // Frees the tray (when the window is destroyed before this object).
    void DestroyTray();

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

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void FormCreate();
    void SetInitialDetails();
    void KeepCityAfterZip();

    Environment environment_;
    DataFile dataFile_;
    AddressBook book_;
    AddressList list_;

    ui::MenuBar menu_;
    int importCommand_ = 0;
    int exportCommand_ = 0;
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
    // Last, so that it goes first: its icon and timer call into the window.
    std::unique_ptr<MainWindowTray> tray_;
};

}  // namespace natalo
