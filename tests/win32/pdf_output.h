// Printing into the CUPS PDF queues of a test run (tests/preview/with-pdf-printers) and
// reading what they printed, from a test running under Wine: the queues and their output
// folder, poppler's pdfinfo, pdftotext and pdfimages run as Unix programs, and where a
// printed word lies.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "preview/printer.h"

namespace natalo::testing {

// The print queues and output folder a test run has, from the environment the wrapper
// script (with-pdf-printers) sets; empty when the test runs without them.
std::string TestPrinter(const char* variable);
std::string PdfFolder();
// Chooses the queue the variable names as the printer's.
inline ::testing::AssertionResult SelectTestPrinter(TPrinter& printer, const char* variable) {
    const std::string name = TestPrinter(variable);
    const auto& printers = printer.Printers();
    const auto found = std::find_if(printers.begin(), printers.end(),
                                    [&](const PrinterInfo& p) { return p.name == name; });
    if (found == printers.end())
        return ::testing::AssertionFailure() << name << " is not among Wine's printers";
    printer.SetPrinterIndex(static_cast<int>(found - printers.begin()));
    return ::testing::AssertionSuccess();
}

// Waits until a complete PDF whose name starts with `title` is in the folder; returns its
// Unix path, or nothing after the deadline.
std::optional<std::string> WaitForPdf(const std::string& title, int timeoutMs = 30000);
// Waits until `count` complete PDFs whose names start with `title` are in the folder;
// returns their Unix paths in name order, or what there is after the deadline.
std::vector<std::string> WaitForPdfs(const std::string& title, std::size_t count,
                                     int timeoutMs = 30000);
// Whether the queue has written a job of exactly this title now: a file whose name is the
// title followed by what the queue adds ("_<user>-job_<N>.pdf"), not by more letters or
// digits of a longer title.
bool PdfExists(const std::string& title);

struct PdfInfo {
    int pages = 0;
    double width = 0;  // points
    double height = 0;
};
PdfInfo ReadPdfInfo(const std::string& pdf);

struct PdfWord {
    int page = 0;  // 1-based
    std::string text;
    double xMin = 0;  // points from the page's top-left corner
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};
std::vector<PdfWord> ReadPdfWords(const std::string& pdf);
// The first word with this text, or null.
const PdfWord* FindWord(const std::vector<PdfWord>& words, const std::string& text);
// Whether the word was printed on the page where a text drawn in the font with its cell
// at (x, y) hundredths of a millimetre lies, within half a millimetre.
::testing::AssertionResult PrintedAt(const PdfWord* word, int page, int x, int y,
                                     const char* font = "Arial", int points = 8);

struct PdfImage {
    int page = 0;
    int width = 0;  // pixels
    int height = 0;
};
std::vector<PdfImage> ReadPdfImages(const std::string& pdf);

}  // namespace natalo::testing
