// A spooler of the tests' own: one printer (or none), a device mode and forms they set,
// and a record of the forms added and deleted, which Wine's spooler only pretends to do.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "preview/print_spooler.h"
#include "preview/printer_settings.h"

namespace natalo::testing {

class FakePrintSpooler : public PrintSpooler {
  public:
    FakePrintSpooler() {
        deviceMode.dmSize = sizeof deviceMode;
        deviceMode.dmFields = DM_PAPERSIZE | DM_ORIENTATION;
        deviceMode.dmPaperSize = DMPAPER_A4;
        deviceMode.dmOrientation = DMORIENT_PORTRAIT;
    }

    std::vector<PrinterInfo> printers{{"Fake Printer", "FAKE:", "Fake Driver"}};
    DEVMODEA deviceMode{};
    std::vector<PrinterForm> forms{{"Letter", 215900, 279400}, {"A4", 210000, 297000}};
    std::string driverPath = "C:\\windows\\system32\\spool\\drivers\\x64\\3\\fakeps.drv";
    std::vector<PrinterForm> added;
    std::vector<std::string> deleted;

    std::vector<PrinterInfo> Printers() override { return printers; }
    std::string DefaultPrinterName() override {
        return printers.empty() ? "" : printers.front().name;
    }
    std::vector<std::byte> DefaultDeviceMode(const std::string&) override {
        std::vector<std::byte> bytes(sizeof deviceMode);
        std::memcpy(bytes.data(), &deviceMode, sizeof deviceMode);
        return bytes;
    }
    std::optional<std::string> DriverPath(const std::string&) override { return driverPath; }
    std::optional<std::vector<PrinterForm>> PrinterForms(const std::string&) override {
        return forms;
    }
    bool AddPrinterForm(const std::string&, const PrinterForm& form) override {
        added.push_back(form);
        forms.push_back(form);
        return true;
    }
    bool DeletePrinterForm(const std::string&, const std::string& name) override {
        deleted.push_back(name);
        std::erase_if(forms,
                      [&](const PrinterForm& form) { return SameFormName(form.name, name); });
        return true;
    }
};

}  // namespace natalo::testing
