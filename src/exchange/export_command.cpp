#include "exchange/export_command.h"

#include <functional>
#include <vector>

#include "addressbook/main_window.h"
#include "exchange/address_export.h"
#include "exchange/birthday_calendar.h"
#include "exchange/vcard_export.h"
#include "ui/message_dialog.h"

namespace natalo {
namespace {

using ExportWriter = std::function<std::string(TInput& input)>;

void RunExport(TInput& input, const FileChooser& chooseFile, const ExportWriter& write) {
    const std::optional<std::string> path = chooseFile(input.Handle());
    if (!path || path->empty())
        return;
    const std::string text = write(input);
    WriteExportFile(input.Env().files, *path, text);
    ui::ShowMessage("Information", "Daten gespeichert!");
}

std::vector<AddressRecord> AllRecords(TInput& input) {
    std::vector<AddressRecord> records;
    input.Data().ScanRecords(
        [&records](std::size_t, const AddressRecord& record) { records.push_back(record); });
    return records;
}

}  // namespace

void ExportAddressList(TInput& input, const FileChooser& chooseFile) {
    RunExport(input, chooseFile,
              [](TInput& from) { return ExportText(from.Data(), from.Env().regional); });
}

void ExportVCards(TInput& input, const FileChooser& chooseFile) {
    RunExport(input, chooseFile, [](TInput& from) { return WriteVCards(AllRecords(from)); });
}

void ExportBirthdayCalendar(TInput& input, const FileChooser& chooseFile) {
    RunExport(input, chooseFile, [](TInput& from) {
        return WriteBirthdayCalendar(AllRecords(from), from.Env().clock.UtcNow());
    });
}

}  // namespace natalo
