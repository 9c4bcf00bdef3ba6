#include "exchange/address_export.h"

#include <span>

#include "exchange/export_line.h"
#include "platform/io_error.h"

namespace natalo {

std::string ExportText(DataFile& dataFile, const RegionalSettings& settings) {
    const std::string picture = settings.ShortDateFormat();
    std::string text;
    dataFile.ScanRecords([&](std::size_t, const AddressRecord& record) {
        text += ExportLine(record, settings, picture);
        text += "\r\n";
    });
    return text;
}

void WriteExportFile(FileSystem& fileSystem, const std::string& path, std::string_view text) {
    const std::unique_ptr<File> file = fileSystem.Open(path, OpenMode::kCreate);
    // An empty address book gives a 0-byte file: creating it is all there is to do.
    if (text.empty())
        return;
    const auto bytes = std::as_bytes(std::span(text));
    if (file->WriteAt(0, bytes) != bytes.size())
        throw EInOutError(kIoDiskFull);
}

void ExportAddresses(DataFile& dataFile, const RegionalSettings& settings, FileSystem& fileSystem,
                     const std::string& path) {
    const std::string text = ExportText(dataFile, settings);
    WriteExportFile(fileSystem, path, text);
}

}  // namespace natalo
