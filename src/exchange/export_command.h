// The main window's export commands: the address book written as a semicolon-separated
// list, as vCards, or its birthdays as an iCalendar file, into the file the user chooses.
#pragma once

#include "exchange/list_file_dialogs.h"

namespace natalo {

class TInput;

// Each asks `chooseFile` for the file; nothing happens when the user cancels. The whole
// address book is read before the file is created, so a damaged data file leaves no file
// half written. A failure is raised (the default error message, and no success message);
// success ends with "Daten gespeichert!".
void ExportAddressList(TInput& input, const FileChooser& chooseFile);
void ExportVCards(TInput& input, const FileChooser& chooseFile);
void ExportBirthdayCalendar(TInput& input, const FileChooser& chooseFile);

}  // namespace natalo
