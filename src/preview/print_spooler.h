// The few spooler services the print preview needs, behind one narrow interface, so that
// tests can stand in a spooler of their own where the system's does not do the real thing
// (Wine's AddForm and DeleteForm succeed without doing anything).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "preview/printer_settings.h"

namespace natalo {

struct PrinterInfo {
    std::string name;
    std::string port;
    std::string driver;
};

class PrintSpooler {
  public:
    virtual ~PrintSpooler() = default;
    // The installed printers (EnumPrinters).
    virtual std::vector<PrinterInfo> Printers() = 0;
    // The user's default printer; empty when there is none.
    virtual std::string DefaultPrinterName() = 0;
    // The printer's default device mode, a DEVMODEA with its driver data
    // (DocumentProperties); empty when the printer cannot be opened.
    virtual std::vector<std::byte> DefaultDeviceMode(const std::string& printer) = 0;
    // The path of the printer's driver file (GetPrinterDriver, level 2).
    virtual std::optional<std::string> DriverPath(const std::string& printer) = 0;
    // The printer's forms (EnumForms, level 1); none when they cannot be listed.
    virtual std::optional<std::vector<PrinterForm>> PrinterForms(const std::string& printer) = 0;
    // A user form with the whole form as imageable area (AddForm, level 1).
    virtual bool AddPrinterForm(const std::string& printer, const PrinterForm& form) = 0;
    virtual bool DeletePrinterForm(const std::string& printer, const std::string& formName) = 0;
};

}  // namespace natalo
