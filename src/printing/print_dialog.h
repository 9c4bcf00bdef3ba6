// The system's print dialog for the printout: it opens on the current printer with the
// page range preset to the document's page numbers, and what the user confirms (printer,
// pages, copies) is what gets printed. The print window takes a PrintChooser, so that
// tests can answer it without driving the dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace natalo {

class TPrinter;

struct PrintChoice {
    int firstPage = 1;
    int lastPage = 1;
    int copies = 1;
    friend bool operator==(const PrintChoice&, const PrintChoice&) = default;
};

// Asks which pages of a document of `totalPages` pages to print; on confirmation the
// chosen printer has become the printer's current one. Nothing when the user cancels.
using PrintChooser =
    std::function<std::optional<PrintChoice>(HWND owner, int totalPages, TPrinter& printer)>;

// PrintDlgA. The copies come back as the number of times the range is to be printed, and
// the device mode asks the printer for one copy: drivers that make copies themselves do
// not all honour the request, printing the range again works on every printer.
std::optional<PrintChoice> ShowPrintDialog(HWND owner, int totalPages, TPrinter& printer);

}  // namespace natalo
