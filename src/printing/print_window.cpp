// TForm4, the print window.
#include "printing/print_window.h"

#include <functional>

#include "printing/birthday_printout.h"
#include "printing/printout_text_width.h"
#include "ui/application.h"

namespace natalo {
namespace {

ui::FormOptions PrintWindowOptions() {
    ui::FormOptions options;
    options.caption = "  Natalo - The Birthday Manager";
    options.clientWidth = 517;
    options.clientHeight = 606;
    options.closeOnEscape = true;
    options.borderIcons = {.systemMenu = true, .minimize = false, .maximize = false, .close = true};
    options.placement = ui::Placement::CenterOnFirstShow;
    return options;
}

}  // namespace

TForm4::TForm4(const TextLines& printList, TPrinter& printer, PrintChooser choosePrint)
    : Form(PrintWindowOptions()),
      printList_(printList),
      choosePrint_(std::move(choosePrint)),
      pagePreview1_(*this, {16, 40, 353, 521}, printer),
      thumbnailStrip1_(*this, {370, 36, 147, 570}),
      button1_(*this, {64, 560, 121, 41}, "Print"),
      button2_(*this, {208, 560, 121, 41}, "Cancel") {
    thumbnailStrip1_.SetPagePreview(&pagePreview1_);
    button1_.OnClick([this] { Button1Click(); });
    button2_.OnClick([this] { Button2Click(); });
}

void TForm4::FormShow() {
    // A failure (the printer cannot be asked) is reported; the window still comes up.
    ui::App().Guard([this] {
        TPagePreview& preview = pagePreview1_;
        preview.GetPrinterOptions();
        preview.SetOrientation(poPortrait);
        preview.BeginDoc();
        preview.Clear();
        TFont font;
        font.Name = PrintoutMetrics::kFontName;
        font.Size = PrintoutMetrics::kFontPoints;
        font.Color = RGB(0, 0, 0);
        // The canvas keeps the scale's pixels per inch, so 12 points stay 12 points.
        const auto setFont = [&font](TCanvas& canvas) {
            font.PixelsPerInch = canvas.Font().PixelsPerInch;
            canvas.SetFont(font);
        };
        // Every page's canvas measures alike: the names are fitted on the first one.
        setFont(preview.Canvas());
        PrintoutTextWidth width(preview.Canvas(), preview.PaperWidth());
        const std::vector<PrintoutPage> pages =
            LayOutBirthdayPrintout(printList_, preview.PaperWidth(), preview.PaperHeight(),
                                   {std::ref(width), CodePageEllipsis()});
        for (std::size_t page = 0; page < pages.size(); ++page) {
            if (page > 0)
                preview.NewPage();
            for (const PrintoutRow& row : pages[page]) {
                TCanvas& canvas = preview.Canvas();
                setFont(canvas);
                canvas.TextOut(row.date.x, row.date.y, row.date.text);
                canvas.TextOut(row.name.x, row.name.y, row.name.text);
            }
        }
        preview.EndDoc();
    });
}

void TForm4::Button1Click() {
    TPagePreview& preview = pagePreview1_;
    if (preview.State() != psReady)
        return;
    const std::optional<PrintChoice> choice =
        choosePrint_(Handle(), preview.TotalPages(), preview.Printer());
    if (!choice)
        return;
    const ui::WaitCursor wait;
    for (int copy = 0; copy < choice->copies && !preview.Aborted(); ++copy)
        preview.PrintPages(choice->firstPage, choice->lastPage);
}

}  // namespace natalo
