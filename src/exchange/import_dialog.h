// TfrmImport: the import dialog. The user types, pastes or loads a semicolon-separated
// list into its text box and imports every non-empty line as a new address record. It is
// created once at start-up and only hidden afterwards, so the text box keeps its lines
// between openings.
#pragma once

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
    void ImportClick();
    // "Cancel": closes and goes back to the main window.
    void CancelClick();

    ui::Memo& Import() { return import_; }
    ui::Button& cmdOpenFile() { return cmdOpenFile_; }
    ui::Button& cmdImport() { return cmdImport_; }
    ui::Button& cmdCancel() { return cmdCancel_; }
    ui::Label& FormatLabel() { return format_; }

  protected:
    // Closing, by any way, rebuilds the main window's list from the data file.
    void OnClose(ui::CloseAction& action) override;

  private:
    void ShowMainWindow();

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
};

}  // namespace natalo
