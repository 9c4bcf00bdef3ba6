// The export of the address book: one line per record in data-file order, each ending
// with CR LF, no header; an empty data file gives an empty text.
#pragma once

#include <string>
#include <string_view>

#include "addressbook/data_file.h"
#include "platform/file_system.h"
#include "platform/regional_settings.h"

namespace natalo {

// Reads every record from record 0; a read error throws, and then there is no text.
// The data file stands at its end afterwards.
std::string ExportText(DataFile& dataFile, const RegionalSettings& settings);

// Replaces the file's content with the text. Throws EInOutError when the file cannot be
// created or the disk takes fewer bytes than the text holds.
void WriteExportFile(FileSystem& fileSystem, const std::string& path, std::string_view text);

// The Export command after the save dialog: the text is complete before the file is
// created, so a read error of the data file writes no export file at all.
void ExportAddresses(DataFile& dataFile, const RegionalSettings& settings, FileSystem& fileSystem,
                     const std::string& path);

}  // namespace natalo
