// natalo-startup-bench: natalo.exe started as a user starts it, over an empty address
// book, over one of 1,000 records and over one of 100,000. Prints the time from starting
// the process to the birthday window on the screen (built and shown), the median of five
// runs each, and the ratios to the empty one. With 1,000 records the birthday window
// already holds all the names it has room for, so that figure parts what the names cost
// from what the number of records costs. Figures, not a test. Run under Wine:
//   tools/with-display build/windows/wineprefix tools/wine-run
//   build/windows/bench/natalo-startup-bench.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_folder.h"

namespace {

using natalo::bench::BenchFolder;
using Clock = std::chrono::steady_clock;

constexpr int kRecords = 100000;
constexpr int kRuns = 5;
const char kCaption[] = "   Natalo - The Birthday Manager";

std::string BuiltProgramPath() {
    // The build passes the Unix path of natalo.exe; Wine shows the root as drive Z:.
    std::string path = NATALO_EXE_PATH;
    if (!path.empty() && path[0] == '/') {
        std::replace(path.begin(), path.end(), '/', '\\');
        path = "Z:" + path;
    }
    return path;
}

struct Search {
    DWORD processId;
    bool found;
};

// The birthday window wears the main window's caption but holds no list.
BOOL CALLBACK FindBirthdayWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !::IsWindowVisible(window))
        return TRUE;
    char caption[64] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    if (std::string(caption) != kCaption ||
        ::FindWindowExA(window, nullptr, "SysListView32", nullptr))
        return TRUE;
    search->found = true;
    return FALSE;
}

// Seconds from CreateProcess to a visible birthday window; the program is ended after.
double TimeToBirthdayWindow(const std::string& program) {
    std::string commandLine = "\"" + program + "\"";
    const std::string folder = program.substr(0, program.find_last_of('\\') + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const auto start = Clock::now();
    if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info)) {
        std::printf("cannot start %s\n", program.c_str());
        return -1;
    }
    natalo::UniqueKernelHandle process(info.hProcess);
    natalo::UniqueKernelHandle thread(info.hThread);
    Search search{info.dwProcessId, false};
    double seconds = -1;
    while (Clock::now() - start < std::chrono::seconds(30)) {
        ::EnumWindows(&FindBirthdayWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            seconds = std::chrono::duration<double>(Clock::now() - start).count();
            break;
        }
        ::Sleep(1);
    }
    ::TerminateProcess(process.get(), 0);
    ::WaitForSingleObject(process.get(), 10000);
    return seconds;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    BenchFolder empty(0, "natalo-startup-empty");
    BenchFolder some(1000, "natalo-startup-some");
    BenchFolder full(kRecords, "natalo-startup-full");
    const std::vector<std::string> programs{empty.Path() + "natalo.exe", some.Path() + "natalo.exe",
                                            full.Path() + "natalo.exe"};
    for (const std::string& program : programs)
        ::CopyFileA(BuiltProgramPath().c_str(), program.c_str(), FALSE);

    // One run of each first, not counted: the first start of a program is slower.
    for (const std::string& program : programs)
        TimeToBirthdayWindow(program);
    std::vector<std::vector<double>> times(programs.size());
    for (int run = 0; run < kRuns; ++run) {
        for (std::size_t which = 0; which < programs.size(); ++which)
            times[which].push_back(TimeToBirthdayWindow(programs[which]));
    }
    const double none = Median(times[0]);
    const double thousand = Median(times[1]);
    const double many = Median(times[2]);
    std::printf("Natalo start-up to the birthday window, median of %d runs\n", kRuns);
    std::printf("%-52s %8.3f s\n", "start-up, empty address book", none);
    std::printf("%-52s %8.3f s\n", "start-up, 1,000 records", thousand);
    std::printf("%-52s %8.3f s\n", "start-up, 100,000 records", many);
    std::printf("%-52s %8.2f\n", "ratio (1,000 records / empty)", thousand / none);
    std::printf("%-52s %8.2f\n", "ratio (100,000 records / empty)", many / none);
    return 0;
}
