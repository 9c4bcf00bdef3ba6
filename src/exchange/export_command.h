// The main window's "&Export" command: the address book written as a semicolon-separated
// list into the file the user chooses.
#pragma once

#include "exchange/list_file_dialogs.h"

namespace natalo {

class TInput;

// Asks `chooseFile` for the file; nothing happens when the user cancels. A failure is
// raised (the default error message, and no success message); success ends with
// "Daten gespeichert!".
void ExportAddressList(TInput& input, const FileChooser& chooseFile);

}  // namespace natalo
