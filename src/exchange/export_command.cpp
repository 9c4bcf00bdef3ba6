#include "exchange/export_command.h"

#include "addressbook/main_window.h"
#include "exchange/address_export.h"
#include "ui/message_dialog.h"

namespace natalo {

void ExportAddressList(TInput& input, const FileChooser& chooseFile) {
    const std::optional<std::string> path = chooseFile(input.Handle());
    if (!path || path->empty())
        return;
    const Environment& environment = input.Env();
    ExportAddresses(input.Data(), environment.regional, environment.files, *path);
    ui::ShowMessage("Information", "Daten gespeichert!");
}

}  // namespace natalo
