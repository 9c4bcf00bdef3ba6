// A 100-page document of 106 text lines a page (the birthday printout's fullest page),
// recorded into the preview's page store in memory and in a temporary file, then printed.
// Printing goes to the queue named in NATALO_TEST_PRINTER_A4 (run the benchmark inside
// tests/preview/with-pdf-printers), else to the default printer, else it is skipped.
// Then the view: 1,000 such pages in a shown preview with its thumbnail strip, as the
// print window places them.
#include "preview_bench.h"

#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "preview/page_preview.h"
#include "preview/thumbnail_strip.h"
#include "preview/win32_print_spooler.h"
#include "ui/application.h"
#include "ui/form.h"

namespace natalo::bench {
namespace {

constexpr int kPages = 100;
constexpr int kViewPages = 1000;
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

// The printout's layout: two columns of dates and names, a row every 5 mm. The document
// stays open after the last page when `endDoc` is false.
void RecordDocument(TPagePreview& preview, int pages = kPages, bool endDoc = true) {
    preview.BeginDoc();
    for (int page = 0; page < pages; ++page) {
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
    if (endDoc)
        preview.EndDoc();
}

// Paints everything the form shows that waits to be painted, and what that causes.
void PaintNow(ui::Form& form) {
    ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ui::App().ProcessMessages();
}

double Milliseconds(const std::function<void()>& work) {
    return 1000.0 * Seconds(work);
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The windows the form holds: the thumbnails in and near view have papers and labels.
void PrintWindows(const ui::Form& form, const char* when) {
    int count = 0;
    ::EnumChildWindows(form.Handle(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    std::printf("  %s: %d child windows\n", when, count);
}

void BenchPreviewView() {
    ui::FormOptions options;
    options.caption = "Preview view benchmark";
    options.clientWidth = 500;
    options.clientHeight = 570;
    ui::Form form(options);
    Win32PrintSpooler spooler;
    TPrinter printer(spooler);
    TPagePreview preview(form, {0, 0, 353, 521}, printer);
    TThumbnailStrip strip(form, {353, 0, 147, 570});
    strip.SetPagePreview(&preview);
    form.Show();
    PaintNow(form);

    const double before = WorkingSetMegabytes();
    const double recording = Seconds([&] { RecordDocument(preview, kViewPages, false); });
    const double shown = Milliseconds([&] {
        preview.EndDoc();
        PaintNow(form);
    });
    const double after = WorkingSetMegabytes();
    std::printf("preview view: %d pages recorded with the strip following   %8.3f s\n", kViewPages,
                recording);
    std::printf("  EndDoc to preview and strip painted %8.1f ms\n", shown);
    std::printf("  memory held: page store %.1f MB, working set +%.1f MB\n",
                preview.PageStore().MemoryHeld() / 1048576.0, after - before);
    PrintWindows(form, "with the document shown");

    const double bound = Milliseconds([&] {
        strip.SetPagePreview(nullptr);
        strip.SetPagePreview(&preview);
        PaintNow(form);
    });
    std::printf("  strip bound to the recorded document and painted %8.1f ms\n", bound);

    const auto key = [&](UINT virtualKey, HWND target) {
        return Milliseconds([&] {
            ::SendMessageA(target, WM_KEYDOWN, virtualKey, 0);
            PaintNow(form);
        });
    };
    std::printf("  one Page Down %8.1f ms\n", key(VK_NEXT, preview.Handle()));
    double pageDowns = 0;
    for (int i = 0; i < 50; ++i)
        pageDowns += key(VK_NEXT, preview.Handle());
    std::printf("  Page Down, mean of 50 more %8.1f ms\n", pageDowns / 50);
    std::printf("  to the last page (Ctrl+Page Down on the strip) %8.1f ms\n", [&] {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
        const double ms = key(VK_NEXT, strip.Handle());
        keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
        return ms;
    }());
    for (int step = 0; step < 3; ++step) {
        const double zoomed = Milliseconds([&] {
            preview.SetZoom(preview.Zoom() + preview.ZoomStep());
            PaintNow(form);
        });
        std::printf("  zoom step to %d %% %8.1f ms\n", preview.Zoom(), zoomed);
    }
    PrintWindows(form, "after paging and zooming");
    std::printf("  working set now +%.1f MB\n", WorkingSetMegabytes() - before);
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
    BenchPreviewView();
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
