#include "preview/printer.h"

#include <cstring>

#include "preview/preview_errors.h"

namespace natalo {
namespace {

const PrinterInfo& NoPrinter() {
    static const PrinterInfo none;
    return none;
}

static_assert(DeviceModeFields::kOrientation == DM_ORIENTATION);
static_assert(DeviceModeFields::kPaperSize == DM_PAPERSIZE);
static_assert(DeviceModeFields::kPaperLength == DM_PAPERLENGTH);
static_assert(DeviceModeFields::kPaperWidth == DM_PAPERWIDTH);
static_assert(DeviceModeFields::kFormName == DM_FORMNAME);
static_assert(DeviceModeFields::kFormNameSize == CCHFORMNAME);
static_assert(DeviceModeFields::kUserPaper == DMPAPER_USER);

}  // namespace

DeviceModeFields ReadDeviceModeFields(const DEVMODEA& mode) {
    DeviceModeFields fields;
    fields.fields = mode.dmFields;
    fields.orientation = mode.dmOrientation;
    fields.paperSize = mode.dmPaperSize;
    fields.paperLength = mode.dmPaperLength;
    fields.paperWidth = mode.dmPaperWidth;
    const auto* name = reinterpret_cast<const char*>(mode.dmFormName);
    fields.formName.assign(name, ::strnlen(name, CCHFORMNAME));
    return fields;
}

void WriteDeviceModeFields(DEVMODEA& mode, const DeviceModeFields& fields) {
    mode.dmFields = fields.fields;
    mode.dmOrientation = fields.orientation;
    mode.dmPaperSize = fields.paperSize;
    mode.dmPaperLength = fields.paperLength;
    mode.dmPaperWidth = fields.paperWidth;
    std::memset(mode.dmFormName, 0, CCHFORMNAME);
    std::memcpy(mode.dmFormName, fields.formName.data(),
                std::min<std::size_t>(fields.formName.size(), CCHFORMNAME - 1));
}

UniqueGlobal DeviceModeBlock(const std::vector<std::byte>& bytes) {
    if (bytes.empty())
        return {};
    UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    if (!block)
        return {};
    if (void* data = ::GlobalLock(block.get())) {
        std::memcpy(data, bytes.data(), bytes.size());
        ::GlobalUnlock(block.get());
    }
    return block;
}

TPrinter::TPrinter(PrintSpooler& spooler) : spooler_(spooler) {}

TPrinter::~TPrinter() {
    if (printing_ && dc_)
        ::AbortDoc(dc_.get());
    canvas_.SetHandle(nullptr);
}

const std::vector<PrinterInfo>& TPrinter::Printers() {
    if (!printersRead_)
        Refresh();
    return printers_;
}

void TPrinter::Refresh() {
    RequireNotPrinting();
    const std::string current = index_ >= 0 ? printers_[static_cast<std::size_t>(index_)].name : "";
    printers_ = spooler_.Printers();
    printersRead_ = true;
    index_ = -1;
    FreeDc();
    deviceMode_.reset();
    const std::string wanted = current.empty() ? spooler_.DefaultPrinterName() : current;
    for (std::size_t i = 0; i < printers_.size(); ++i) {
        if (printers_[i].name == wanted)
            index_ = static_cast<int>(i);
    }
    if (index_ < 0 && !printers_.empty())
        index_ = 0;
}

int TPrinter::PrinterIndex() {
    Printers();
    return index_;
}

void TPrinter::SetPrinterIndex(int index) {
    RequireNotPrinting();
    if (index < 0 || index >= static_cast<int>(Printers().size()))
        throw EPrinter("Printer selected is not valid");
    if (index == index_)
        return;
    index_ = index;
    FreeDc();
    deviceMode_.reset();
}

const PrinterInfo& TPrinter::Current() {
    const int index = PrinterIndex();
    return index < 0 ? NoPrinter() : printers_[static_cast<std::size_t>(index)];
}

void TPrinter::SetPrinter(const std::string& device, const std::string& driver,
                          const std::string& port, HGLOBAL deviceMode) {
    RequireNotPrinting();
    Printers();
    int found = -1;
    for (std::size_t i = 0; i < printers_.size(); ++i) {
        if (printers_[i].name == device)
            found = static_cast<int>(i);
    }
    if (found < 0) {
        printers_.push_back({device, port, driver});
        found = static_cast<int>(printers_.size()) - 1;
    }
    printers_[static_cast<std::size_t>(found)].driver = driver;
    printers_[static_cast<std::size_t>(found)].port = port;
    index_ = found;
    FreeDc();
    if (deviceMode != deviceMode_.get())
        deviceMode_.reset(deviceMode);
}

HGLOBAL TPrinter::DeviceMode() {
    if (!deviceMode_ && PrinterIndex() >= 0)
        deviceMode_ = DeviceModeBlock(spooler_.DefaultDeviceMode(Device()));
    return deviceMode_.get();
}

HDC TPrinter::Handle() {
    if (!dc_ && PrinterIndex() >= 0) {
        HGLOBAL block = DeviceMode();
        DeviceModeLock mode(block);
        // GDI finds a printer's driver by the device name.
        dc_.reset(::CreateDCA(nullptr, Device().c_str(), nullptr, mode.get()));
        canvas_.SetHandle(dc_.get());
    }
    return dc_.get();
}

void TPrinter::ResetDC() {
    if (!dc_)
        return;  // the next device context is made with the device mode as it is now
    DeviceModeLock mode(DeviceMode());
    if (mode.get())
        ::ResetDCA(dc_.get(), mode.get());
    canvas_.SetHandle(nullptr);
    canvas_.SetHandle(dc_.get());
}

TCanvas& TPrinter::Canvas() {
    Handle();
    return canvas_;
}

void TPrinter::FreeDc() {
    canvas_.SetHandle(nullptr);
    dc_.reset();
}

void TPrinter::RequireNotPrinting() const {
    if (printing_)
        throw EPrinter("Printing in progress");
}

void TPrinter::RequirePrinting() const {
    if (!printing_)
        throw EPrinter("Printer is not currently printing");
}

void TPrinter::BeginDoc() {
    RequireNotPrinting();
    HDC dc = Handle();
    if (!dc)
        throw EPrinter("Printer selected is not valid");
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = title_.c_str();
    if (::StartDocA(dc, &info) <= 0)
        throw EPrinter("The printer did not accept the print job");
    if (::StartPage(dc) <= 0) {
        ::AbortDoc(dc);
        throw EPrinter("The printer did not accept the page");
    }
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
    canvas_.SetHandle(nullptr);  // a new document starts with fresh drawing objects
    canvas_.SetHandle(dc);
}

void TPrinter::NewPage() {
    RequirePrinting();
    if (::EndPage(dc_.get()) <= 0 || ::StartPage(dc_.get()) <= 0)
        throw EPrinter("The printer did not accept the page");
    ++pageNumber_;
    canvas_.SetHandle(nullptr);
    canvas_.SetHandle(dc_.get());
}

void TPrinter::EndDoc() {
    RequirePrinting();
    printing_ = false;
    const bool pageDone = ::EndPage(dc_.get()) > 0;
    const bool documentDone = ::EndDoc(dc_.get()) > 0;
    if (!pageDone || !documentDone)
        throw EPrinter("The printer could not finish the print job");
}

void TPrinter::Abort() {
    RequirePrinting();
    ::AbortDoc(dc_.get());
    printing_ = false;
    aborted_ = true;
}

}  // namespace natalo
