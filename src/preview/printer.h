// TPrinter: the program's printer object. It knows the installed printers (through the
// spooler interface), keeps the current printer with its device, driver, port and device
// mode, owns the device context made from them and its canvas, and runs print jobs:
// a title, begin and end of the document and of its pages, abort.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32_handle.h"
#include "preview/canvas.h"
#include "preview/print_spooler.h"
#include "preview/printer_settings.h"

namespace natalo {

class TPrinter {
  public:
    // The spooler must outlive the printer.
    explicit TPrinter(PrintSpooler& spooler);
    // Aborts a job still under way.
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    PrintSpooler& Spooler() { return spooler_; }

    // The installed printers, read on first use and again by Refresh().
    const std::vector<PrinterInfo>& Printers();
    void Refresh();
    // The current printer: the user's default at first, -1 when there is none.
    int PrinterIndex();
    void SetPrinterIndex(int index);

    // Selects a printer by device name (added to the list when it is not in it). The
    // device mode handle is taken over; null takes the printer's default device mode.
    void SetPrinter(const std::string& device, const std::string& driver, const std::string& port,
                    HGLOBAL deviceMode);
    const std::string& Device() { return Current().name; }
    const std::string& Driver() { return Current().driver; }
    const std::string& Port() { return Current().port; }
    // The current printer's device mode (a movable DEVMODEA block owned by the printer);
    // null without printers.
    HGLOBAL DeviceMode();

    // The device context of the current printer, made with its device mode on first use.
    HDC Handle();
    // Applies the (edited) device mode to the device context.
    void ResetDC();
    TCanvas& Canvas();

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return pageNumber_; }

  private:
    const PrinterInfo& Current();
    void FreeDc();
    void RequireNotPrinting() const;
    void RequirePrinting() const;

    PrintSpooler& spooler_;
    std::vector<PrinterInfo> printers_;
    bool printersRead_ = false;
    int index_ = -1;
    UniqueGlobal deviceMode_;
    UniqueMemoryDc dc_;  // DeleteDC releases a printer DC as well
    TCanvas canvas_;
    std::string title_;
    bool printing_ = false;
    bool aborted_ = false;
    int pageNumber_ = 0;
};

// Locks a movable DEVMODEA block for reading or editing.
class DeviceModeLock {
  public:
    explicit DeviceModeLock(HGLOBAL block)
        : block_(block), mode_(block ? static_cast<DEVMODEA*>(::GlobalLock(block)) : nullptr) {}
    ~DeviceModeLock() {
        if (mode_)
            ::GlobalUnlock(block_);
    }
    DeviceModeLock(const DeviceModeLock&) = delete;
    DeviceModeLock& operator=(const DeviceModeLock&) = delete;
    DEVMODEA* get() const { return mode_; }

  private:
    HGLOBAL block_;
    DEVMODEA* mode_;
};

DeviceModeFields ReadDeviceModeFields(const DEVMODEA& mode);
void WriteDeviceModeFields(DEVMODEA& mode, const DeviceModeFields& fields);
// A movable global copy of a device mode's bytes; null for none.
UniqueGlobal DeviceModeBlock(const std::vector<std::byte>& bytes);

}  // namespace natalo
