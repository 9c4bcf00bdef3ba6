// TfrmImport, the import dialog.
#include "exchange/import_dialog.h"

#include <algorithm>
#include <chrono>
#include <exception>
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
bool ImportIntoMainWindow(std::string_view text, TInput& input, ImportProgress& progress,
                          const ImportGoOn& goOn) {
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
    return ImportAddresses(text, book, environment.regional, environment.clock.Today(), progress,
                           goOn);
}

std::size_t LineCount(std::string_view text) {
    const auto ends = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return ends + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

}  // namespace

// The dialog while it works through a long list: the wait cursor, the count of lines a few
// times a second, the windows kept painting, and the text box and the buttons that would
// start something else held still; "Cancel" and closing ask the work to stop.
class TfrmImport::LongWork {
  public:
    LongWork(TfrmImport& dialog, std::string_view what)
        : dialog_(dialog), what_(what), wasReadOnly_(dialog.import_.ReadOnly()) {
        dialog_.working_ = true;
        dialog_.stopRequested_ = false;
        dialog_.import_.SetReadOnly(true);
        dialog_.cmdOpenFile_.SetEnabled(false);
        dialog_.cmdImport_.SetEnabled(false);
    }
    ~LongWork() {
        dialog_.import_.SetReadOnly(wasReadOnly_);
        dialog_.cmdOpenFile_.SetEnabled(true);
        dialog_.cmdImport_.SetEnabled(true);
        dialog_.progress_.SetText("");
        dialog_.working_ = false;
    }
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    // Called between two lines; false when the work should stop there.
    bool GoOn(std::size_t done, std::size_t total) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= nextUpdate_) {
            nextUpdate_ = now + dialog_.progressInterval_;
            dialog_.progress_.SetText(LinesDoneText(done, total, what_));
            ui::App().ProcessMessages();
        }
        return !dialog_.stopRequested_ && !ui::App().Terminated();
    }

  private:
    ui::WaitCursor waitCursor_;
    TfrmImport& dialog_;
    std::string_view what_;
    bool wasReadOnly_;
    std::chrono::steady_clock::time_point nextUpdate_{};
};

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
      cmdCancel_(*this, {400, 360, 75, 25}, "Cancel"),
      progress_(*this, {8, 220, 465, 16}, "", /*autoSize=*/false) {
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
    std::string bytes;
    {
        ui::WaitCursor waitCursor;
        bytes = ReadImportFileBytes(environment.files, *path);
    }
    // Cards from an address book become lines of the list, so that the user sees and may
    // edit what Import will save.
    if (IsVCardFile(bytes)) {
        VCardImport cards;
        {
            ui::WaitCursor waitCursor;
            cards = VCardToImportLines(bytes, Win32AnsiConverter(), environment.regional);
        }
        if (LoadIntoTextBox(cards.Text()))
            ui::ShowMessage("Information", VCardLoadSummary(cards, environment.regional));
        return;
    }
    ImportFileText file;
    {
        ui::WaitCursor waitCursor;
        file = DecodeImportFile(bytes, Win32AnsiConverter());
    }
    if (LoadIntoTextBox(file.text) && file.endedAtNul)
        ui::ShowMessage("Information", kCutAtNulText);
}

bool TfrmImport::LoadIntoTextBox(std::string_view text) {
    constexpr std::size_t kPieceSize = 128 * 1024;
    const std::size_t lines = LineCount(text);
    LongWork work(*this, "geladen");
    import_.SetText("");
    std::size_t loaded = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (!work.GoOn(loaded, lines)) {
            import_.SetText("");
            return false;
        }
        const std::size_t lineEnd = text.find('\n', std::min(at + kPieceSize, text.size()));
        const std::size_t end = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
        const std::string_view piece = text.substr(at, end - at);
        import_.AppendText(piece);
        loaded += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
        at = end;
    }
    import_.ScrollToStart();
    return true;
}

void TfrmImport::ImportClick() {
    // The text box is read once; a long list is not fetched line by line.
    const std::string text = import_.Text();
    ImportProgress progress;
    bool completed = false;
    std::exception_ptr failure;
    try {
        LongWork work(*this, "gespeichert");
        completed = ImportIntoMainWindow(text, input_, progress, [&work](const ImportProgress& p) {
            return work.GoOn(p.saved, p.lines);
        });
    } catch (...) {
        failure = std::current_exception();
    }
    if (completed) {
        ui::ShowMessage("Information", "Daten gespeichert!");
        Close();
        ShowMainWindow();
        return;
    }
    // Stopped by a failed save or by the user: the records saved stay, and the dialog
    // stays open with the rest of the lines.
    KeepUnsavedLines(text, progress.restStart);
    if (failure)
        ui::App().Guard([&failure] { std::rethrow_exception(failure); });
    if (!ui::App().Terminated())
        ui::ShowMessage("Information", SavedLinesText(progress));
}

void TfrmImport::KeepUnsavedLines(std::string_view text, std::size_t restStart) {
    if (restStart == 0)
        return;
    if (restStart >= text.size()) {
        import_.SetText("");
    } else {
        import_.DeleteFront(text.substr(0, restStart));
    }
}

void TfrmImport::CancelClick() {
    if (working_) {
        stopRequested_ = true;
        return;
    }
    Close();
    ShowMainWindow();
}

void TfrmImport::OnClose(ui::CloseAction& action) {
    if (working_) {
        // The work stops between two lines and reports; the dialog stays.
        stopRequested_ = true;
        action = ui::CloseAction::None;
        return;
    }
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
