// Reading what a CUPS PDF queue printed, from a test running under Wine: the queue's
// output folder, and poppler's pdfinfo, pdftotext and pdfimages run as Unix programs.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace natalo::testing {

// The print queues and output folder a test run has, from the environment the wrapper
// script (with-pdf-printers) sets; empty when the test runs without them.
std::string TestPrinter(const char* variable);
std::string PdfFolder();

// Waits until a complete PDF whose name starts with `title` is in the folder; returns its
// Unix path, or nothing after the deadline.
std::optional<std::string> WaitForPdf(const std::string& title, int timeoutMs = 30000);
// Waits until `count` complete PDFs whose names start with `title` are in the folder;
// returns their Unix paths in name order, or what there is after the deadline.
std::vector<std::string> WaitForPdfs(const std::string& title, std::size_t count,
                                     int timeoutMs = 30000);
// Whether any file whose name starts with `title` is in the folder now.
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

struct PdfImage {
    int page = 0;
    int width = 0;  // pixels
    int height = 0;
};
std::vector<PdfImage> ReadPdfImages(const std::string& pdf);

}  // namespace natalo::testing
