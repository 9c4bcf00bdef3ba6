// Tfrmerf: the modal dialog in which the user types a new address or changes one. It
// copies its fields into the pending address and lets the main window save it; its
// controls keep their contents between openings.
#pragma once

#include "addressbook/address_record.h"
#include "ui/button.h"
#include "ui/date_picker.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/radio_button.h"

namespace natalo {

class TInput;

class Tfrmerf : public ui::Form {
  public:
    // Saves through the main window's address book and rebuilds its list.
    explicit Tfrmerf(TInput& input);

    // Puts a record's fields into the controls ("Mr." only for a gender of exactly "m").
    void ShowRecord(const AddressRecord& record);

    // Checks the first name, copies the controls into the pending address, saves it and
    // closes. Returns whether it saved.
    bool SaveCommand();
    // "&Save": the save command, then the list rebuilt whatever the save command did.
    void cmdSaveClick();
    void BitBtn1Click() { Close(); }

    ui::RadioButton& RadioButton1() { return radioMr_; }
    ui::RadioButton& RadioButton2() { return radioMrs_; }
    ui::Edit& txtvname() { return txtvname_; }
    ui::Edit& txtName() { return txtName_; }
    ui::DatePicker& DateTimePicker1() { return dateTimePicker1_; }
    ui::Edit& txtAddr() { return txtAddr_; }
    ui::Edit& txtplz() { return txtplz_; }
    ui::Edit& txtort() { return txtort_; }
    ui::Edit& txtland() { return txtland_; }
    ui::Edit& txttel() { return txttel_; }
    ui::Edit& txtfax() { return txtfax_; }
    ui::Edit& txthandy() { return txthandy_; }
    ui::Edit& txtemail() { return txtemail_; }
    ui::Edit& txturl() { return txturl_; }
    ui::Button& cmdSave() { return cmdSave_; }
    ui::Button& BitBtn1() { return bitBtn1_; }

    bool PreTranslateMessage(MSG& message) override;

  protected:
    void OnClose(ui::CloseAction& action) override;

  private:
    void FormCreate();
    bool HandlesEnterKey(HWND window) const;

    TInput& input_;

    // Field captions first; then the input controls in their Tab order.
    ui::Label lblFirstName_, lblLastName_, lblBirthday_, lblAddress_, lblZip_, lblCity_,
        lblCountry_, lblPhone_, lblFax_, lblMobile_, lblEmail_, lblWebsite_;
    ui::Edit txtName_;
    ui::Edit txtAddr_;
    ui::Edit txttel_;
    ui::Button cmdSave_;
    ui::DatePicker dateTimePicker1_;
    ui::Edit txtplz_;
    ui::Edit txtort_;
    ui::Edit txtland_;
    ui::Edit txtfax_;
    ui::Edit txthandy_;
    ui::Edit txtemail_;
    ui::Edit txturl_;
    ui::Edit txtvname_;
    ui::Button bitBtn1_;
    ui::RadioButton radioMr_;
    ui::RadioButton radioMrs_;
};

}  // namespace natalo
