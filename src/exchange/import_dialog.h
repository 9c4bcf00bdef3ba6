// TfrmImport: the import dialog. The user types, pastes or loads a semicolon-separated
// list into its text box and imports every non-empty line as a new address record. It is
// created once at start-up and only hidden afterwards, so the text box keeps its lines
// between openings.
#pragma once

#include "platform/environment.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"

namespace natalo {

class TfrmImport : public ui::Form {
  public:
    explicit TfrmImport(const Environment& environment);
    ~TfrmImport() override;

    // "Open file ...": replaces the text box's content with the chosen file's text.
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

    Environment environment_;
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
