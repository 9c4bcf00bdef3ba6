#include "exchange/address_import.h"

#include "exchange/import_line.h"
#include "platform/date_parse.h"
#include "platform/io_error.h"

namespace natalo {

void PrepareImport(AddressBook& book) {
    book.RecordIndex = -1;
    book.Data().SeekEnd();
}

std::size_t ImportAddresses(std::string_view text, AddressBook& book,
                            const RegionalSettings& settings, const CivilDate& today) {
    const ShortDateParser dates(settings, today);
    std::size_t saved = 0;
    for (const std::string_view line : NonEmptyLines(text)) {
        book.Pending = PendingAddressFromLine(line, dates);
        // Rebuilding the list after every record would make a long import quadratic;
        // the dialog's close handler rebuilds it once.
        book.RefreshAfterSave = false;
        book.Save();
        ++saved;
    }
    return saved;
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
