// TPagePreview's printer side: paper settings exchanged with the current printer, the
// printer forms, and printing the recorded pages.
#include <algorithm>
#include <exception>

#include "preview/page_bitmap.h"
#include "preview/page_preview.h"
#include "preview/printer_settings.h"

namespace natalo {
namespace {

bool WindowsNtFamily() {
    return (::GetVersion() & 0x80000000u) == 0;
}

// "C:\windows\system32\spool\drivers\x64\3\wineps.drv" -> "wineps.drv"
std::string FileNamePart(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool TPagePreview::PrinterInstalled() {
    return !printer_.Printers().empty();
}

void TPagePreview::GetPrinterOptions() {
    if (!PrinterInstalled())
        return;
    DeviceModeLock mode(printer_.DeviceMode());
    if (!mode.get())
        return;
    const DeviceModeFields fields = ReadDeviceModeFields(*mode.get());
    AdoptDeviceMode(paper_, fields);
}

void TPagePreview::SetPrinterOptions() {
    if (!PrinterInstalled())
        return;
    HGLOBAL deviceMode = printer_.DeviceMode();
    if (!deviceMode)
        return;
    const std::string formName = FormName();
    {
        DeviceModeLock mode(deviceMode);
        if (!mode.get())
            return;
        WriteDeviceModeFields(*mode.get(), DeviceModeForPaper(ReadDeviceModeFields(*mode.get()),
                                                              paper_, formName, WindowsNtFamily()));
    }
    printer_.ResetDC();
    const std::string device = printer_.Device();
    const std::string port = printer_.Port();
    std::string driver = printer_.Driver();
    if (const auto path = printer_.Spooler().DriverPath(device))
        driver = FileNamePart(*path);
    printer_.SetPrinter(device, driver, port, deviceMode);
}

std::string TPagePreview::FormName() {
    if (!paper_.FormName().empty() || !PrinterInstalled())
        return paper_.FormName();
    PrintSpooler& spooler = printer_.Spooler();
    const std::string device = printer_.Device();
    if (const auto forms = spooler.PrinterForms(device)) {
        if (const auto match = MatchingFormName(*forms, paper_))
            paper_.SetFormName(*match);
    }
    if (!autoFormName_.empty() && !SameFormName(autoFormName_, paper_.FormName()))
        DeletePrinterForm(autoFormName_, true);
    if (paper_.FormName().empty()) {
        const PrinterForm form = AutomaticForm(paper_);
        if (spooler.AddPrinterForm(device, form)) {
            paper_.SetFormName(form.name);
            autoFormName_ = form.name;
            if (OnAutoCustomForm)
                OnAutoCustomForm(autoFormName_, opInsert);
        }
    }
    return paper_.FormName();
}

void TPagePreview::DeletePrinterForm(const std::string& name, bool reportRemoval) {
    if (!printer_.Spooler().DeletePrinterForm(printer_.Device(), name))
        return;
    if (SameFormName(paper_.FormName(), name))
        paper_.SetFormName("");
    if (SameFormName(autoFormName_, name)) {
        const std::string removed = autoFormName_;
        autoFormName_.clear();
        if (reportRemoval && OnAutoCustomForm)
            OnAutoCustomForm(removed, opRemove);
    }
}

void TPagePreview::Print() {
    PrintPages(1, TotalPages());
}

RECT TPagePreview::PrintTarget() {
    HDC dc = printer_.Handle();
    RECT target{0, 0, 0, 0};
    if (usePrinterOptions_) {
        target.right = ::GetDeviceCaps(dc, PHYSICALWIDTH);
        target.bottom = ::GetDeviceCaps(dc, PHYSICALHEIGHT);
    } else {
        target.right = ToDevicePixels(paper_.PaperWidth(), ::GetDeviceCaps(dc, LOGPIXELSX));
        target.bottom = ToDevicePixels(paper_.PaperHeight(), ::GetDeviceCaps(dc, LOGPIXELSY));
    }
    // The page's corner goes to the paper's corner, not to that of the printable area.
    ::OffsetRect(&target, -::GetDeviceCaps(dc, PHYSICALOFFSETX),
                 -::GetDeviceCaps(dc, PHYSICALOFFSETY));
    return target;
}

void TPagePreview::DrawPage(int pageNo, const RECT& target) {
    TMetafile* page = Pages(pageNo);
    if (!page || page->Empty())
        return;
    HDC dc = printer_.Handle();
    if (!fastPrint_ && ContainsBitmapTransfer(page->Handle()))
        DrawGraphicAsDib(dc, *page, target);
    else
        ::PlayEnhMetaFile(dc, page->Handle(), &target);
}

void TPagePreview::DoProgress(int pageNo, int done, int total) {
    if (aborted_ || !OnPrintProgress)
        return;
    bool abortIt = false;
    OnPrintProgress(pageNo, ::MulDiv(100, done, total), abortIt);
    if (abortIt && !aborted_)
        Abort();
}

void TPagePreview::PrintPages(int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, TotalPages());
    if (state_ != psReady || !PrinterInstalled() || TotalPages() == 0 || first > last)
        return;
    bool completed = false;
    aborted_ = false;
    SetState(psPrinting);
    try {
        if (OnBeforePrint)
            OnBeforePrint();
        if (!usePrinterOptions_)
            SetPrinterOptions();
        printer_.SetTitle(printJobTitle_);
        printer_.BeginDoc();
        if (!usePrinterOptions_)
            printer_.ResetDC();
        const RECT target = PrintTarget();
        const int total = last - first + 1;
        for (int pageNo = first; pageNo <= last && !aborted_; ++pageNo) {
            DoProgress(pageNo, pageNo - first, total);
            if (!aborted_)
                DrawPage(pageNo, target);
            DoProgress(pageNo, pageNo - first + 1, total);
            if (!aborted_) {
                if (pageNo < last)
                    printer_.NewPage();
                else
                    completed = true;
            }
        }
    } catch (...) {
        // A failed job must not leave the preview printing for the rest of the run.
        try {
            FinishPrintJob(false);
        } catch (...) {
            // The first failure is the one to report.
        }
        throw;
    }
    FinishPrintJob(completed);
}

void TPagePreview::FinishPrintJob(bool completed) {
    struct BackToReady {
        TPagePreview& preview;
        ~BackToReady() { preview.SetState(psReady); }
    } backToReady{*this};
    aborted_ = aborted_ || !completed;
    std::exception_ptr failure;
    try {
        if (!completed && printer_.Printing())
            printer_.Abort();
        if (printer_.Printing())
            printer_.EndDoc();
    } catch (...) {
        failure = std::current_exception();  // reported after the job is wound up
    }
    printer_.SetTitle("");
    if (OnAfterPrint)
        OnAfterPrint();
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace natalo
