// natalo-startup-bench: natalo.exe started as a user starts it, over an empty address
// book, over one of 1,000 records and over one of 100,000. Prints the time from starting
// the process to the birthday window on the screen (built and shown), the median of five
// runs each, and the ratios to the empty one. With 1,000 records the birthday window
// already holds all the names it has room for, so that figure parts what the names cost
// from what the number of records costs. Then the time a second copy takes to see the
// first and end, which the end-to-end test waits for without bounding it. Figures, not a
// test. Run under Wine (see the
// README), optionally with the path of another natalo.exe to time instead of this build's.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench_folder.h"
#include "win32/program_driver.h"
#include "win32/temp_folder.h"

namespace {

using natalo::testing::RunningProgram;
using natalo::testing::TempFolder;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;

bool ShowsBirthdayWindow(const RunningProgram& program) {
    return !natalo::testing::VisibleBirthdayWindows(program).empty();
}

// Seconds from starting the program to a visible birthday window; the program is ended
// after.
double TimeToBirthdayWindow(const std::string& program) {
    const auto start = Clock::now();
    const RunningProgram running(program);
    while (Clock::now() - start < std::chrono::seconds(30)) {
        if (ShowsBirthdayWindow(running))
            return std::chrono::duration<double>(Clock::now() - start).count();
        ::Sleep(1);
    }
    return -1;
}

// Seconds from starting a second copy, while the first runs, to its end.
double TimeForASecondCopyToEnd(const std::string& program) {
    const RunningProgram first(program);
    const auto up = Clock::now();
    while (!ShowsBirthdayWindow(first) && Clock::now() - up < std::chrono::seconds(30))
        ::Sleep(1);
    const auto start = Clock::now();
    const RunningProgram second(program, "/silent");
    if (!second.HasEnded(std::chrono::seconds(30)))
        return -1;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

// An argument names another natalo.exe to start instead of this build's: two builds
// compare fairly only under the same load.
int main(int argc, char** argv) {
    const int counts[] = {0, 1000, 100000};
    std::vector<std::unique_ptr<TempFolder>> folders;
    std::vector<std::string> programs;
    for (const int count : counts) {
        folders.push_back(std::make_unique<TempFolder>());
        const std::string program = argc > 1 ? argv[1] : natalo::testing::BuiltProgramPath();
        ::CopyFileA(program.c_str(), folders.back()->File("natalo.exe").c_str(), FALSE);
        natalo::testing::WriteWholeFile(folders.back()->File("data.dat"),
                                        natalo::bench::BenchRecords(count));
        programs.push_back(folders.back()->File("natalo.exe"));
    }
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
    std::vector<double> secondCopy;
    for (int run = 0; run < kRuns; ++run)
        secondCopy.push_back(TimeForASecondCopyToEnd(programs[0]));
    std::printf("%-52s %8.3f s\n", "a second copy ends (median)", Median(secondCopy));
    return 0;
}
