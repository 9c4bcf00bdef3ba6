// The spooler interface on the Win32 print spooler (winspool).
#pragma once

#include "preview/print_spooler.h"

namespace natalo {

class Win32PrintSpooler : public PrintSpooler {
  public:
    std::vector<PrinterInfo> Printers() override;
    std::string DefaultPrinterName() override;
    std::vector<std::byte> DefaultDeviceMode(const std::string& printer) override;
    std::optional<std::string> DriverPath(const std::string& printer) override;
    std::optional<std::vector<PrinterForm>> PrinterForms(const std::string& printer) override;
    bool AddPrinterForm(const std::string& printer, const PrinterForm& form) override;
    bool DeletePrinterForm(const std::string& printer, const std::string& formName) override;
};

}  // namespace natalo
