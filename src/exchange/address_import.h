// The import of a list into the address book: every non-empty line becomes one new
// record appended behind the existing ones, through the address book's one writer.
#pragma once

#include <cstddef>
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

// Saves one record per non-empty line, in line order, without rebuilding the address
// list after each. A failed save throws and ends the import there; the records saved
// before it stay in the data file. Returns the number of records saved.
std::size_t ImportAddresses(std::string_view text, AddressBook& book,
                            const RegionalSettings& settings, const CivilDate& today);

// The bytes of a file to import, as they are. Throws EInOutError when the file cannot be
// read.
std::string ReadImportFileBytes(FileSystem& fileSystem, const std::string& path);

// The text of a list file for the import dialog. Throws EInOutError when the file
// cannot be read.
ImportFileText ReadImportFile(FileSystem& fileSystem, const std::string& path,
                              const AnsiConverter& converter);

}  // namespace natalo
