// TfrmImport, the import dialog.
#include "exchange/import_dialog.h"

#include <optional>
#include <string_view>

#include "addressbook/main_window.h"
#include "exchange/address_import.h"
#include "exchange/list_file_dialogs.h"
#include "exchange/vcard_import.h"
#include "exchange/win32_ansi_converter.h"
#include "ui/application.h"
#include "ui/message_dialog.h"

namespace natalo {
namespace {

ui::FormOptions ImportDialogOptions() {
    ui::FormOptions options;
    options.caption = "   Natalo - The Birthday Manager";
    options.clientWidth = 482;
    options.clientHeight = 404;
    options.borderIcons = {.systemMenu = true, .minimize = false, .maximize = false, .close = true};
    return options;
}

constexpr char kPurposeText[] =
    "Import dot-comma-seperated Lists (export from Excel or Outlook) into the format of Natalo.";
constexpr char kFormatText[] =
    "First Name;LastName;Birthday;Gender;Address;ZIP;City;Country;Tel;Fax;Mobile;email;Url;";
constexpr char kCutAtNulText[] =
    "The file contains a NUL character. Only the text in front of it was loaded.";

// Keeps the last saved record instead of showing each one: filling the main window's
// details panel for every line would make a list of thousands of lines take minutes.
class LastRecordView : public AddressBookView {
  public:
    void ShowRecordDetails(const AddressRecord& record) override { last = record; }
    void RefreshList() override {}

    std::optional<AddressRecord> last;
};

// The import through the main window's data file and Save, with the program's staging
// values handed over and back; the details panel shows the last record saved (or tried),
// also when a save failed.
void ImportIntoMainWindow(std::string_view text, TInput& input) {
    LastRecordView view;
    AddressBook book(input.Data(), view);
    AddressBook& programBook = input.Book();
    book.RecordIndex = programBook.RecordIndex;
    struct HandBack {
        AddressBook& from;
        AddressBook& to;
        LastRecordView& view;
        TInput& input;
        ~HandBack() {
            to.Pending = from.Pending;
            to.RecordIndex = from.RecordIndex;
            if (view.last)
                input.ShowRecordDetails(*view.last);
        }
    } handBack{book, programBook, view, input};
    const Environment& environment = input.Env();
    ImportAddresses(text, book, environment.regional, environment.clock.Today());
}

}  // namespace

TfrmImport::TfrmImport(TInput& input, FileChooser chooseFile)
    : Form(ImportDialogOptions()),
      input_(input),
      chooseFile_(std::move(chooseFile)),
      import_(*this, {8, 40, 465, 169}, "", ui::Memo::ScrollBars::Both, /*wordWrap=*/false),
      panel_(*this, {8, 256, 465, 91}, ""),
      purpose_(panel_, {16, 8, 433, 30}, kPurposeText, /*autoSize=*/false),
      formatCaption_(panel_, {16, 44, 0, 0}, "Format:"),
      format_(panel_, {16, 60, 0, 0}, kFormatText),
      cmdOpenFile_(*this, {8, 360, 105, 25}, "Open file ..."),
      cmdImport_(*this, {248, 360, 139, 25}, "Import"),
      cmdCancel_(*this, {400, 360, 75, 25}, "Cancel") {
    purpose_.SetWordWrap(true);
    // A list of any length fits: the edit control's default limit would cut it off.
    import_.SetMaxLength(0);
    cmdOpenFile_.OnClick([this] { OpenFileClick(); });
    cmdImport_.OnClick([this] { ImportClick(); });
    cmdCancel_.OnClick([this] { CancelClick(); });
}

void TfrmImport::ShowForImport() {
    PrepareImport(input_.Book());
    ShowModal();
}

void TfrmImport::OpenFileClick() {
    const std::optional<std::string> path = chooseFile_(Handle());
    if (!path)
        return;
    // Read completely before the text box changes: a file that cannot be read leaves the
    // former lines in place.
    const Environment& environment = input_.Env();
    const std::string bytes = ReadImportFileBytes(environment.files, *path);
    // Cards from an address book become lines of the list, so that the user sees and may
    // edit what Import will save.
    if (IsVCardFile(bytes)) {
        const VCardImport cards =
            VCardToImportLines(bytes, Win32AnsiConverter(), environment.regional);
        import_.SetText(cards.Text());
        ui::ShowMessage("Information", VCardLoadSummary(cards, environment.regional));
        return;
    }
    const ImportFileText file = DecodeImportFile(bytes, Win32AnsiConverter());
    import_.SetText(file.text);
    if (file.endedAtNul)
        ui::ShowMessage("Information", kCutAtNulText);
}

void TfrmImport::ImportClick() {
    // The text box is read once; a long list is not fetched line by line.
    const std::string text = import_.Text();
    // A failed save throws out of here: the records before it stay, there is no message
    // and the dialog stays open.
    ImportIntoMainWindow(text, input_);
    ui::ShowMessage("Information", "Daten gespeichert!");
    Close();
    ShowMainWindow();
}

void TfrmImport::CancelClick() {
    Close();
    ShowMainWindow();
}

void TfrmImport::OnClose(ui::CloseAction& action) {
    Form::OnClose(action);
    // A list that cannot be read again (the data file could not be reopened) is
    // reported, but the dialog still closes: the user must not be held in it.
    ui::App().Guard([this] { input_.RefreshList(); });
}

void TfrmImport::ShowMainWindow() {
    input_.Show();
    input_.SetWindowState(ui::WindowState::Normal);
}

}  // namespace natalo
