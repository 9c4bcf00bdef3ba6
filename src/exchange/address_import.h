// The import of a list into the address book: every non-empty line becomes one new
// record appended behind the existing ones, through the address book's one writer.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "addressbook/address_book.h"
#include "exchange/import_text.h"
#include "exchange/text_encoding.h"
#include "platform/calendar.h"
#include "platform/file_system.h"
#include "platform/regional_settings.h"

namespace natalo {

// What the Import command does before it shows the dialog: the next saves append, and
// the data file stands at its end.
void PrepareImport(AddressBook& book);

// How far an import got.
struct ImportProgress {
    // The non-empty lines of the text: one record each.
    std::size_t lines = 0;
    std::size_t saved = 0;
    // Where the first line not saved yet begins in the text; its end once all are saved.
    std::size_t restStart = 0;
};

// Asked before each line; false stops the import there.
using ImportGoOn = std::function<bool(const ImportProgress&)>;

// Saves one record per non-empty line, in line order, without rebuilding the address
// list after each. A failed save throws and ends the import at that line; the records
// saved before it stay in the data file, and `progress` says how far it got (a record
// written before the file's reopen failed counts as saved), so that importing the rest
// of the text continues without doubles. Returns false when `goOn` stopped it.
bool ImportAddresses(std::string_view text, AddressBook& book, const RegionalSettings& settings,
                     const CivilDate& today, ImportProgress& progress, const ImportGoOn& goOn);

// All lines, without asking; returns the number of records saved.
std::size_t ImportAddresses(std::string_view text, AddressBook& book,
                            const RegionalSettings& settings, const CivilDate& today);

// The bytes of a file to import, as they are. Throws EInOutError when the file cannot be
// read.
std::string ReadImportFileBytes(FileSystem& fileSystem, const std::string& path);

// "N von M Zeilen <done>.", the count of lines a long piece of work has got through.
std::string LinesDoneText(std::size_t done, std::size_t total, std::string_view what);
// What an import that stopped part way tells the user: "N von M Zeilen gespeichert."
std::string SavedLinesText(const ImportProgress& progress);

// The text of a list file for the import dialog. Throws EInOutError when the file
// cannot be read.
ImportFileText ReadImportFile(FileSystem& fileSystem, const std::string& path,
                              const AnsiConverter& converter);

}  // namespace natalo
