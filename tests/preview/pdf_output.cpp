#include "pdf_output.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>

namespace natalo::testing {
namespace {

std::string Environment(const char* name) {
    char value[1024] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

// The Wine path of a Unix path.
std::string WinePath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
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

// Wine starts a Unix program without waiting for it and without handing it the pipes of
// the Windows side: the program writes into a file of the folder, renamed when complete.
std::string RunUnixProgram(const std::string& commandLine) {
    static int run = 0;
    const std::string output = PdfFolder() + "/output-" + std::to_string(++run);
    std::string command = "/bin/sh -c \"" + commandLine + " > " + output +
                          ".part 2>/dev/null; mv " + output + ".part " + output + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return {};
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    const std::string result = WinePath(output);
    const DWORD start = ::GetTickCount();
    while (::GetFileAttributesA(result.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (::GetTickCount() - start > 20000)
            return {};
        ::Sleep(10);
    }
    std::string text;
    if (FILE* file = std::fopen(result.c_str(), "rb")) {
        char buffer[4096];
        std::size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            text.append(buffer, read);
        std::fclose(file);
    }
    ::DeleteFileA(result.c_str());
    return text;
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
    const std::string text = RunUnixProgram("/usr/bin/pdfinfo " + pdf);
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
    const std::string html = RunUnixProgram("/usr/bin/pdftotext -bbox " + pdf + " -");
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
    std::istringstream lines(RunUnixProgram("/usr/bin/pdfimages -list " + pdf));
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

}  // namespace natalo::testing
