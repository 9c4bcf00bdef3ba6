// TfrmImport: the import dialog. The user types, pastes or loads a semicolon-separated
// list into its text box and imports every non-empty line as a new address record. It is
// created once at start-up and only hidden afterwards, so the text box keeps its lines
// between openings. Loading and importing a long list show their progress, keep the
// windows painting and stop at "Cancel"; an import that stopped keeps the lines not yet
// saved in the text box, so that "Import" goes on where it stopped.
#pragma once

#include <cstddef>
#include <string_view>

#include "exchange/list_file_dialogs.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"

namespace natalo {

class TInput;

class TfrmImport : public ui::Form {
  public:
    // Imports into the main window's data file; "Open file ..." asks `chooseFile` which
    // list to load.
    TfrmImport(TInput& input, FileChooser chooseFile);

    // The main window's Import command: readies the address book, then shows the dialog
    // modally.
    void ShowForImport();
    // "Open file ...": replaces the text box's content with the chosen file's text; the
    // cards of a vCard file become one line each.
    void OpenFileClick();
    // "Import": one record per non-empty line, the message, then back to the main window.
    // When a save fails or the user stops it, the count of saved lines is shown and the
    // dialog stays open with the lines from the first unsaved one on.
    void ImportClick();
    // "Cancel": closes and goes back to the main window; while a list is loaded or
    // imported, it only stops that between two lines.
    void CancelClick();
    // A list is being loaded or imported.
    bool Working() const { return working_; }

    ui::Memo& Import() { return import_; }
    // The count of lines loaded or saved, while that goes on.
    ui::Label& ProgressLine() { return progress_; }
    ui::Button& cmdOpenFile() { return cmdOpenFile_; }
    ui::Button& cmdImport() { return cmdImport_; }
    ui::Button& cmdCancel() { return cmdCancel_; }
    ui::Label& FormatLabel() { return format_; }

  protected:
    // Closing, by any way, rebuilds the main window's list from the data file.
    void OnClose(ui::CloseAction& action) override;
    // Escape is "Cancel".
    void EscapePressed() override { CancelClick(); }

  private:
    class LongWork;

    void ShowMainWindow();
    // Puts the text into the text box a piece of whole lines at a time, with the progress
    // in between: the edit control takes about a second per megabyte under Wine. False
    // when stopped; the text box is then empty, so that no half list is imported.
    bool LoadIntoTextBox(std::string_view text);
    // Leaves the lines from `restStart` on in the text box, which holds `text`.
    void KeepUnsavedLines(std::string_view text, std::size_t restStart);

    TInput& input_;
    FileChooser chooseFile_;
    ui::Memo import_;
    ui::GroupBox panel_;
    ui::Label purpose_;
    ui::Label formatCaption_;
    ui::Label format_;
    ui::Button cmdOpenFile_;
    ui::Button cmdImport_;
    ui::Button cmdCancel_;
    ui::Label progress_;
    bool working_ = false;
    bool stopRequested_ = false;
};

}  // namespace natalo
