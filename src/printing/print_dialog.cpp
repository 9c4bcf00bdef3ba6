#include "printing/print_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/win32_handle.h"
#include "preview/printer.h"

namespace natalo {
namespace {

// A DEVNAMES block naming the printer, so that the dialog opens on it.
UniqueGlobal DeviceNames(TPrinter& printer) {
    const std::string driver = printer.Driver(), device = printer.Device(), port = printer.Port();
    const std::size_t header = sizeof(DEVNAMES);
    const std::size_t size = header + driver.size() + device.size() + port.size() + 3;
    UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    if (!block)
        return block;
    auto* names = static_cast<DEVNAMES*>(::GlobalLock(block.get()));
    char* text = reinterpret_cast<char*>(names);
    std::size_t at = header;
    for (const auto& [value, offset] :
         {std::pair{&driver, &names->wDriverOffset}, std::pair{&device, &names->wDeviceOffset},
          std::pair{&port, &names->wOutputOffset}}) {
        *offset = static_cast<WORD>(at);
        std::memcpy(text + at, value->c_str(), value->size() + 1);
        at += value->size() + 1;
    }
    ::GlobalUnlock(block.get());
    return block;
}

// A movable copy of the printer's device mode for the dialog to edit.
UniqueGlobal DeviceModeCopy(TPrinter& printer) {
    HGLOBAL source = printer.DeviceMode();
    if (!source)
        return UniqueGlobal();
    const SIZE_T size = ::GlobalSize(source);
    UniqueGlobal copy(::GlobalAlloc(GMEM_MOVEABLE, size));
    if (!copy)
        return copy;
    void* to = ::GlobalLock(copy.get());
    void* from = ::GlobalLock(source);
    std::memcpy(to, from, size);
    ::GlobalUnlock(source);
    ::GlobalUnlock(copy.get());
    return copy;
}

}  // namespace

std::optional<PrintChoice> ShowPrintDialog(HWND owner, int totalPages, TPrinter& printer) {
    const bool hasPrinter = printer.PrinterIndex() >= 0;
    UniqueGlobal deviceMode = hasPrinter ? DeviceModeCopy(printer) : UniqueGlobal();
    UniqueGlobal deviceNames = hasPrinter ? DeviceNames(printer) : UniqueGlobal();
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = deviceMode.release();
    dialog.hDevNames = deviceNames.release();
    dialog.Flags = PD_PAGENUMS | PD_NOSELECTION;
    dialog.nFromPage = 1;
    dialog.nToPage = static_cast<WORD>(std::clamp(totalPages, 1, 0xFFFF));
    dialog.nMinPage = 1;
    dialog.nMaxPage = dialog.nToPage;
    dialog.nCopies = 1;
    const BOOL confirmed = ::PrintDlgA(&dialog);
    // The dialog may have replaced both blocks; whatever it hands back is ours to free.
    deviceMode.reset(dialog.hDevMode);
    deviceNames.reset(dialog.hDevNames);
    if (!confirmed)
        return std::nullopt;

    int copies = std::max<int>(dialog.nCopies, 1);
    if (deviceMode) {
        auto* mode = static_cast<DEVMODEA*>(::GlobalLock(deviceMode.get()));
        if (mode && (mode->dmFields & DM_COPIES)) {
            copies = std::max<int>(copies, mode->dmCopies);
            mode->dmCopies = 1;
        }
        ::GlobalUnlock(deviceMode.get());
    }
    if (deviceNames) {
        const auto* names = static_cast<const DEVNAMES*>(::GlobalLock(deviceNames.get()));
        const char* text = reinterpret_cast<const char*>(names);
        const std::string driver = text + names->wDriverOffset;
        const std::string device = text + names->wDeviceOffset;
        const std::string port = text + names->wOutputOffset;
        ::GlobalUnlock(deviceNames.get());
        printer.SetPrinter(device, driver, port, deviceMode.release());
    }

    PrintChoice choice{1, totalPages, copies};
    if (dialog.Flags & PD_PAGENUMS) {
        choice.firstPage = std::clamp<int>(dialog.nFromPage, 1, totalPages);
        choice.lastPage = std::clamp<int>(dialog.nToPage, choice.firstPage, totalPages);
    }
    return choice;
}

}  // namespace natalo
