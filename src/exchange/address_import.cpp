#include "exchange/address_import.h"

#include <vector>

#include "exchange/import_line.h"
#include "platform/date_parse.h"
#include "platform/io_error.h"

namespace natalo {

void PrepareImport(AddressBook& book) {
    book.RecordIndex = -1;
    book.Data().SeekEnd();
}

bool ImportAddresses(std::string_view text, AddressBook& book, const RegionalSettings& settings,
                     const CivilDate& today, ImportProgress& progress, const ImportGoOn& goOn) {
    const ShortDateParser dates(settings, today);
    const std::vector<std::string_view> lines = NonEmptyLines(text);
    auto startOf = [&](std::size_t line) {
        return line < lines.size() ? static_cast<std::size_t>(lines[line].data() - text.data())
                                   : text.size();
    };
    progress = {lines.size(), 0, startOf(0)};
    for (const std::string_view line : lines) {
        if (goOn && !goOn(progress))
            return false;
        book.Pending = PendingAddressFromLine(line, dates);
        // Rebuilding the list after every record would make a long import quadratic;
        // the dialog's close handler rebuilds it once.
        book.RefreshAfterSave = false;
        const std::size_t writtenBefore = book.RecordsWritten();
        try {
            book.Save();
        } catch (...) {
            if (book.RecordsWritten() != writtenBefore)
                progress.restStart = startOf(++progress.saved);
            throw;
        }
        progress.restStart = startOf(++progress.saved);
    }
    return true;
}

std::size_t ImportAddresses(std::string_view text, AddressBook& book,
                            const RegionalSettings& settings, const CivilDate& today) {
    ImportProgress progress;
    ImportAddresses(text, book, settings, today, progress, {});
    return progress.saved;
}

std::string LinesDoneText(std::size_t done, std::size_t total, std::string_view what) {
    return std::to_string(done) + " von " + std::to_string(total) + " Zeilen " + std::string(what) +
           ".";
}

std::string SavedLinesText(const ImportProgress& progress) {
    return LinesDoneText(progress.saved, progress.lines, "gespeichert");
}

std::string ReadImportFileBytes(FileSystem& fileSystem, const std::string& path) {
    const std::unique_ptr<File> file = fileSystem.Open(path, OpenMode::kReadOnly);
    std::string bytes(static_cast<std::size_t>(file->Size()), '\0');
    const std::size_t read = file->ReadAt(0, std::as_writable_bytes(std::span(bytes)));
    // A file that shrank while it was read ends where the reading ended.
    bytes.resize(read);
    return bytes;
}

ImportFileText ReadImportFile(FileSystem& fileSystem, const std::string& path,
                              const AnsiConverter& converter) {
    return DecodeImportFile(ReadImportFileBytes(fileSystem, path), converter);
}

}  // namespace natalo
