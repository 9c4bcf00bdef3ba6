// The main window's Data menu commands: import and export of semicolon-separated lists.
#include "addressbook/main_window.h"
#include "app/program_windows.h"
#include "exchange/address_export.h"
#include "exchange/address_import.h"
#include "exchange/import_dialog.h"
#include "exchange/list_file_dialogs.h"
#include "ui/message_dialog.h"

namespace natalo {

void TInput::ImportClick() {
    TfrmImport* dialog = Windows().frmImport;
    if (!dialog)
        return;
    PrepareImport(book_);
    dialog->ShowModal();
}

void TInput::ExportClick() {
    const std::optional<std::string> path = ExchangeFileDialogs().chooseExportFile(Handle());
    if (!path || path->empty())
        return;
    // A failure throws out of here: the default error message, and no success message.
    ExportAddresses(dataFile_, environment_.regional, environment_.files, *path);
    ui::ShowMessage("Information", "Daten gespeichert!");
}

}  // namespace natalo
