// A 100-page document of 106 text lines a page (the birthday printout's fullest page),
// recorded into the preview's page store in memory and in a temporary file, then printed.
// Printing goes to the queue named in NATALO_TEST_PRINTER_A4 (run the benchmark inside
// tests/preview/with-pdf-printers), else to the default printer, else it is skipped.
#include "preview_bench.h"

#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "preview/page_preview.h"
#include "preview/win32_print_spooler.h"
#include "ui/form.h"

namespace natalo::bench {
namespace {

constexpr int kPages = 100;
constexpr int kRowsPerColumn = 53;

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double WorkingSetMegabytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(),
                           reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return static_cast<double>(counters.WorkingSetSize) / 1048576.0;
}

// The printout's layout: two columns of dates and names, a row every 5 mm.
void RecordDocument(TPagePreview& preview) {
    preview.BeginDoc();
    for (int page = 0; page < kPages; ++page) {
        if (page > 0)
            preview.NewPage();
        TCanvas& canvas = preview.Canvas();
        TFont font = canvas.Font();
        font.Name = "Tahoma";
        font.Size = 12;
        canvas.SetFont(font);
        for (int row = 0; row < 2 * kRowsPerColumn; ++row) {
            const int x = row < kRowsPerColumn ? 1500 : 10500;
            const int y = 1500 + (row % kRowsPerColumn) * 500;
            const int person = page * 2 * kRowsPerColumn + row;
            canvas.TextOut(
                x, y,
                std::to_string(1 + person % 28) + "." + std::to_string(1 + person % 12) + ".");
            canvas.TextOut(
                x + 2000, y,
                "First" + std::to_string(person) + " Name" + std::to_string(person * 7 % 1000));
        }
    }
    preview.EndDoc();
}

void SelectBenchPrinter(TPrinter& printer) {
    char wanted[256] = {};
    if (!::GetEnvironmentVariableA("NATALO_TEST_PRINTER_A4", wanted, sizeof wanted))
        return;
    const auto& printers = printer.Printers();
    for (std::size_t i = 0; i < printers.size(); ++i) {
        if (printers[i].name == wanted)
            printer.SetPrinterIndex(static_cast<int>(i));
    }
}

}  // namespace

void BenchPreview() {
    ui::FormOptions options;
    options.caption = "Preview benchmark";
    ui::Form form(options);
    Win32PrintSpooler spooler;
    TPrinter printer(spooler);
    TPagePreview preview(form, {0, 0, 300, 400}, printer);

    for (bool tempFile : {false, true}) {
        preview.Clear();
        preview.SetUseTempFile(tempFile);
        const double before = WorkingSetMegabytes();
        const double seconds = Seconds([&] { RecordDocument(preview); });
        const double after = WorkingSetMegabytes();
        const TPageStore& store = preview.PageStore();
        std::printf("preview: %d pages of %d rows recorded (%s)   %8.3f s\n", kPages,
                    2 * kRowsPerColumn, tempFile ? "temporary file" : "memory", seconds);
        std::printf("  serialized pages %.1f MB, stream memory %.1f MB, working set +%.1f MB\n",
                    store.StreamSize() / 1048576.0, store.MemoryHeld() / 1048576.0, after - before);
    }

    SelectBenchPrinter(printer);
    if (!preview.PrinterInstalled()) {
        std::printf("preview: printing skipped, no printer\n");
        return;
    }
    preview.SetPrintJobTitle("natalo-bench");
    const double seconds = Seconds([&] { preview.Print(); });
    std::printf("preview: %d pages printed to %s (spooled)   %8.3f s\n", kPages,
                printer.Device().c_str(), seconds);
}

}  // namespace natalo::bench
