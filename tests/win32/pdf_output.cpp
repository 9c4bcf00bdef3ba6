#include "win32/pdf_output.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>

#include "platform/win32_handle.h"
#include "win32/unix_program.h"

namespace natalo::testing {
namespace {

std::string Environment(const char* name) {
    char value[1024] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::vector<std::string> FindPdfs(const std::string& title) {
    std::vector<std::string> pdfs;
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA(WinePath(PdfFolder() + "/" + title + "*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return pdfs;
    do {
        pdfs.push_back(PdfFolder() + "/" + found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    std::sort(pdfs.begin(), pdfs.end());
    return pdfs;
}

std::optional<std::string> FindPdf(const std::string& title) {
    const std::vector<std::string> pdfs = FindPdfs(title);
    if (pdfs.empty())
        return std::nullopt;
    return pdfs.front();
}

double Attribute(const std::string& element, const char* name) {
    const std::regex pattern(std::string(name) + "=\"([0-9.+-]+)\"");
    std::smatch match;
    return std::regex_search(element, match, pattern) ? std::atof(match[1].str().c_str()) : -1;
}

}  // namespace

std::string TestPrinter(const char* variable) {
    return Environment(variable);
}

std::string PdfFolder() {
    return Environment("NATALO_TEST_PDF_DIR");
}

std::optional<std::string> WaitForPdf(const std::string& title, int timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (static_cast<int>(::GetTickCount() - start) < timeoutMs) {
        if (auto pdf = FindPdf(title)) {
            // The queue writes the file while it converts: it is done when it reads whole.
            if (ReadPdfInfo(*pdf).pages > 0)
                return pdf;
        }
        ::Sleep(100);
    }
    return std::nullopt;
}

std::vector<std::string> WaitForPdfs(const std::string& title, std::size_t count, int timeoutMs) {
    const DWORD start = ::GetTickCount();
    std::vector<std::string> complete;
    do {
        complete.clear();
        for (const std::string& pdf : FindPdfs(title)) {
            if (ReadPdfInfo(pdf).pages > 0)
                complete.push_back(pdf);
        }
        if (complete.size() >= count)
            break;
        ::Sleep(100);
    } while (static_cast<int>(::GetTickCount() - start) < timeoutMs);
    return complete;
}

bool PdfExists(const std::string& title) {
    const std::string start = PdfFolder() + "/" + title;
    const std::vector<std::string> pdfs = FindPdfs(title);
    return std::any_of(pdfs.begin(), pdfs.end(), [&](const std::string& pdf) {
        return !std::isalnum(static_cast<unsigned char>(pdf[start.size()]));
    });
}

PdfInfo ReadPdfInfo(const std::string& pdf) {
    PdfInfo info;
    const std::string text = RunUnixCommand("/usr/bin/pdfinfo " + pdf).value_or("");
    std::smatch match;
    if (std::regex_search(text, match, std::regex("Pages:\\s+([0-9]+)")))
        info.pages = std::atoi(match[1].str().c_str());
    if (std::regex_search(text, match, std::regex("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"))) {
        info.width = std::atof(match[1].str().c_str());
        info.height = std::atof(match[2].str().c_str());
    }
    return info;
}

std::vector<PdfWord> ReadPdfWords(const std::string& pdf) {
    const std::string html = RunUnixCommand("/usr/bin/pdftotext -bbox " + pdf + " -").value_or("");
    std::vector<PdfWord> words;
    int page = 0;
    std::istringstream lines(html);
    std::string line;
    const std::regex word("<word ([^>]*)>([^<]*)</word>");
    while (std::getline(lines, line)) {
        if (line.find("<page ") != std::string::npos)
            ++page;
        std::smatch match;
        if (std::regex_search(line, match, word)) {
            const std::string attributes = match[1].str();
            words.push_back({page, match[2].str(), Attribute(attributes, "xMin"),
                             Attribute(attributes, "yMin"), Attribute(attributes, "xMax"),
                             Attribute(attributes, "yMax")});
        }
    }
    return words;
}

std::vector<PdfImage> ReadPdfImages(const std::string& pdf) {
    // page num type width height ...; two heading lines
    std::istringstream lines(RunUnixCommand("/usr/bin/pdfimages -list " + pdf).value_or(""));
    std::vector<PdfImage> images;
    std::string line;
    for (int skip = 0; skip < 2 && std::getline(lines, line); ++skip) {
    }
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        PdfImage image;
        int number = 0;
        std::string type;
        if (fields >> image.page >> number >> type >> image.width >> image.height)
            images.push_back(image);
    }
    return images;
}

const PdfWord* FindWord(const std::vector<PdfWord>& words, const std::string& text) {
    const auto found = std::find_if(words.begin(), words.end(),
                                    [&](const PdfWord& word) { return word.text == text; });
    return found == words.end() ? nullptr : &*found;
}

// pdftotext puts a word's top at the font's typographic ascent above the baseline, GDI the
// cell's top at the Windows ascent: the font tells how far apart the two are.
::testing::AssertionResult PrintedAt(const PdfWord* word, int page, int x, int y, const char* font,
                                     int points) {
    constexpr double kPointsPerHundredthMm = 72 / 2540.0;
    constexpr double kHalfMm = 50 * kPointsPerHundredthMm;
    if (!word)
        return ::testing::AssertionFailure() << "the text was not printed";
    constexpr int kEm = 2048;
    UniqueFont measured(
        ::CreateFontA(-kEm, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, font));
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.get(), measured.get());
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc.get(), &metrics);
    OUTLINETEXTMETRICA outline{};
    outline.otmSize = sizeof outline;
    ::GetOutlineTextMetricsA(dc.get(), sizeof outline, &outline);
    const double ascentGap = points * (metrics.tmAscent - outline.otmAscent) / double{kEm};
    const double wantedX = x * kPointsPerHundredthMm,
                 wantedY = y * kPointsPerHundredthMm + ascentGap;
    if (word->page == page && std::abs(word->xMin - wantedX) <= kHalfMm &&
        std::abs(word->yMin - wantedY) <= kHalfMm) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "\"" << word->text << "\" is on page " << word->page << " at " << word->xMin << ","
           << word->yMin << " pt, not on page " << page << " at " << wantedX << "," << wantedY
           << " pt";
}

}  // namespace natalo::testing
