// Tfrmerf, the address editor.
#include "addressbook/address_editor.h"

#include "addressbook/main_window.h"
#include "platform/calendar.h"
#include "ui/application.h"
#include "ui/message_dialog.h"

namespace natalo {
namespace {

constexpr int kEditHeight = 21;

ui::FormOptions EditorOptions() {
    ui::FormOptions options;
    options.caption = "Edit Address";
    options.clientWidth = 423;
    options.clientHeight = 382;
    options.minimumSize = {110, 68};
    options.frame.cornerRadius = 12;
    return options;
}

}  // namespace

Tfrmerf::Tfrmerf(TInput& input)
    : Form(EditorOptions()),
      input_(input),
      lblFirstName_(*this, {6, 63, 0, 0}, "First Name:"),
      lblLastName_(*this, {5, 106, 0, 0}, "Last Name:"),
      lblBirthday_(*this, {6, 150, 0, 0}, "Birthday:"),
      lblAddress_(*this, {6, 190, 0, 0}, "Address:"),
      lblZip_(*this, {6, 233, 0, 0}, "ZIP:"),
      lblCity_(*this, {62, 233, 0, 0}, "City:"),
      lblCountry_(*this, {7, 273, 0, 0}, "Country:"),
      lblPhone_(*this, {222, 63, 0, 0}, "Telephone:"),
      lblFax_(*this, {221, 106, 0, 0}, "Fax:"),
      lblMobile_(*this, {222, 150, 0, 0}, "Mobile:"),
      lblEmail_(*this, {222, 192, 0, 0}, "email:"),
      lblWebsite_(*this, {223, 232, 0, 0}, "Website:"),
      txtName_(*this, {5, 120, 201, kEditHeight}),
      txtAddr_(*this, {5, 208, 201, kEditHeight}),
      txttel_(*this, {221, 80, 201, kEditHeight}),
      cmdSave_(*this, {120, 328, 106, 41}, "&Save"),
      dateTimePicker1_(*this, {6, 166, 186, kEditHeight}),
      txtplz_(*this, {5, 248, 52, kEditHeight}),
      txtort_(*this, {61, 248, 148, kEditHeight}),
      txtland_(*this, {5, 288, 204, kEditHeight}),
      txtfax_(*this, {221, 120, 201, kEditHeight}),
      txthandy_(*this, {222, 165, 201, kEditHeight}),
      txtemail_(*this, {221, 208, 201, kEditHeight}),
      txturl_(*this, {221, 248, 201, kEditHeight}),
      txtvname_(*this, {5, 80, 201, kEditHeight}),
      bitBtn1_(*this, {232, 328, 105, 41}, "Cancel"),
      radioMr_(*this, {64, 40, 50, 17}, "Mr.", /*startsGroup=*/true),
      radioMrs_(*this, {8, 40, 50, 17}, "Mrs.") {
    cmdSave_.OnClick([this] { cmdSaveClick(); });
    bitBtn1_.OnClick([this] { BitBtn1Click(); });
    ui::App().Guard([this] { FormCreate(); });
}

void Tfrmerf::FormCreate() {
    radioMrs_.SetChecked(true);
    dateTimePicker1_.SetDate({1969, 1, 1});
    for (ui::Edit* edit : {&txtvname_, &txtName_, &txtAddr_, &txtplz_, &txtort_, &txtland_,
                           &txttel_, &txtfax_, &txthandy_, &txtemail_, &txturl_}) {
        edit->SetText("");
    }
    AddressRecord& pending = input_.Book().Pending;
    for (std::string* text : {&pending.LastName, &pending.FirstName, &pending.Street, &pending.Zip,
                              &pending.City, &pending.Country, &pending.Phone, &pending.Fax,
                              &pending.Mobile, &pending.Email, &pending.Url}) {
        text->clear();
    }
}

void Tfrmerf::ShowRecord(const AddressRecord& r) {
    txtName_.SetText(r.LastName);
    txtvname_.SetText(r.FirstName);
    txtAddr_.SetText(r.Street);
    txtplz_.SetText(r.Zip);
    txtort_.SetText(r.City);
    txtland_.SetText(r.Country);
    txttel_.SetText(r.Phone);
    txtfax_.SetText(r.Fax);
    txthandy_.SetText(r.Mobile);
    txtemail_.SetText(r.Email);
    txturl_.SetText(r.Url);
    // A damaged date, or one the date picker cannot show, leaves the picker as it was
    // rather than failing the whole command.
    if (const auto birthday = DateFromValue(r.Birthday); birthday && birthday->year >= 1601) {
        dateTimePicker1_.SetDate(*birthday);
    }
    const bool mister = r.Gender == "m";
    radioMr_.SetChecked(mister);
    radioMrs_.SetChecked(!mister);
}

bool Tfrmerf::SaveCommand() {
    if (txtvname_.Text().empty()) {
        ui::MessageDialog("Information", "Sie müssem mindestens einen Vornamen angeben",
                          ui::MessageIcon::Information, {{"OK", 1}})
            .ShowModal();
        return false;
    }
    AddressRecord& pending = input_.Book().Pending;
    pending.LastName = txtName_.Text();
    pending.FirstName = txtvname_.Text();
    pending.Street = txtAddr_.Text();
    pending.Zip = txtplz_.Text();
    pending.City = txtort_.Text();
    pending.Country = txtland_.Text();
    pending.Phone = txttel_.Text();
    pending.Fax = txtfax_.Text();
    pending.Mobile = txthandy_.Text();
    pending.Email = txtemail_.Text();
    pending.Url = txturl_.Text();
    pending.Gender = radioMr_.Checked() ? "m" : "f";
    pending.Birthday = DateValue(dateTimePicker1_.Date());
    input_.Book().Save();
    Close();
    return true;
}

void Tfrmerf::cmdSaveClick() {
    SaveCommand();
    input_.RefreshList();
}

bool Tfrmerf::HandlesEnterKey(HWND window) const {
    for (const ui::Control* control : std::initializer_list<const ui::Control*>{
             &txtvname_, &txtName_, &txtAddr_, &txtplz_, &txtort_, &txtland_, &txttel_, &txtfax_,
             &txthandy_, &txtemail_, &txturl_, &dateTimePicker1_, &cmdSave_, &bitBtn1_}) {
        if (window == control->Handle() || ::IsChild(control->Handle(), window))
            return true;
    }
    return false;
}

bool Tfrmerf::PreTranslateMessage(MSG& message) {
    const bool keyMessage =
        message.message == WM_KEYDOWN || message.message == WM_KEYUP || message.message == WM_CHAR;
    if (!keyMessage)
        return Form::PreTranslateMessage(message);
    // Escape has no function here: the editor is left with "Cancel" or the title bar.
    if (message.wParam == VK_ESCAPE)
        return true;
    if (message.wParam != VK_RETURN || !HandlesEnterKey(message.hwnd)) {
        return Form::PreTranslateMessage(message);
    }
    // Enter acts once, when the key is released; the press must not also reach the dialog
    // manager, which would click the default or focused button a second time.
    if (message.message == WM_KEYUP)
        ui::App().Guard([this] { SaveCommand(); });
    return true;
}

void Tfrmerf::OnClose(ui::CloseAction& action) {
    Form::OnClose(action);
    input_.cmdAdd().SetEnabled(true);
}

}  // namespace natalo
