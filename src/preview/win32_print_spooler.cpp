#include "preview/win32_print_spooler.h"

#include <windows.h>

#include <winspool.h>

#include "platform/win32_handle.h"

namespace natalo {
namespace {

struct PrinterHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::ClosePrinter(h); }
};
using UniquePrinter = UniqueHandle<PrinterHandleTraits>;

UniquePrinter OpenPrinterNamed(const std::string& name) {
    HANDLE printer = nullptr;
    if (!::OpenPrinterA(const_cast<char*>(name.c_str()), &printer, nullptr))
        return {};
    return UniquePrinter(printer);
}

// Calls a spooler function twice: first for the size, then for the data. Returns the
// buffer and the count of entries, or nothing when the call fails.
template <class Call>
std::optional<std::pair<std::vector<BYTE>, DWORD>> QueryTwice(Call call) {
    DWORD needed = 0;
    DWORD count = 0;
    call(nullptr, 0, &needed, &count);
    if (needed == 0)
        return std::make_pair(std::vector<BYTE>{}, DWORD{0});
    std::vector<BYTE> buffer(needed);
    if (!call(buffer.data(), needed, &needed, &count))
        return std::nullopt;
    return std::make_pair(std::move(buffer), count);
}

std::string Text(const char* text) {
    return text ? text : "";
}

}  // namespace

std::vector<PrinterInfo> Win32PrintSpooler::Printers() {
    auto result = QueryTwice([](BYTE* buffer, DWORD size, DWORD* needed, DWORD* count) {
        return ::EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, buffer,
                               size, needed, count);
    });
    std::vector<PrinterInfo> printers;
    if (!result)
        return printers;
    const auto* entries = reinterpret_cast<const PRINTER_INFO_2A*>(result->first.data());
    for (DWORD i = 0; i < result->second; ++i) {
        printers.push_back({Text(entries[i].pPrinterName), Text(entries[i].pPortName),
                            Text(entries[i].pDriverName)});
    }
    return printers;
}

std::string Win32PrintSpooler::DefaultPrinterName() {
    DWORD size = 0;
    ::GetDefaultPrinterA(nullptr, &size);
    if (size == 0)
        return {};
    std::string name(size, '\0');
    if (!::GetDefaultPrinterA(name.data(), &size))
        return {};
    name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
    return name;
}

std::vector<std::byte> Win32PrintSpooler::DefaultDeviceMode(const std::string& printer) {
    UniquePrinter handle = OpenPrinterNamed(printer);
    if (!handle)
        return {};
    auto* name = const_cast<char*>(printer.c_str());
    const LONG size = ::DocumentPropertiesA(nullptr, handle.get(), name, nullptr, nullptr, 0);
    if (size < static_cast<LONG>(sizeof(DEVMODEA)))
        return {};
    std::vector<std::byte> bytes(static_cast<std::size_t>(size));
    if (::DocumentPropertiesA(nullptr, handle.get(), name,
                              reinterpret_cast<DEVMODEA*>(bytes.data()), nullptr,
                              DM_OUT_BUFFER) != IDOK)
        return {};
    return bytes;
}

std::optional<std::string> Win32PrintSpooler::DriverPath(const std::string& printer) {
    UniquePrinter handle = OpenPrinterNamed(printer);
    if (!handle)
        return std::nullopt;
    auto result = QueryTwice([&](BYTE* buffer, DWORD size, DWORD* needed, DWORD*) {
        return ::GetPrinterDriverA(handle.get(), nullptr, 2, buffer, size, needed);
    });
    if (!result || result->first.empty())
        return std::nullopt;
    return Text(reinterpret_cast<const DRIVER_INFO_2A*>(result->first.data())->pDriverPath);
}

std::optional<std::vector<PrinterForm>> Win32PrintSpooler::PrinterForms(
    const std::string& printer) {
    UniquePrinter handle = OpenPrinterNamed(printer);
    if (!handle)
        return std::nullopt;
    auto result = QueryTwice([&](BYTE* buffer, DWORD size, DWORD* needed, DWORD* count) {
        return ::EnumFormsA(handle.get(), 1, buffer, size, needed, count);
    });
    if (!result)
        return std::nullopt;
    std::vector<PrinterForm> forms;
    const auto* entries = reinterpret_cast<const FORM_INFO_1A*>(result->first.data());
    for (DWORD i = 0; i < result->second; ++i) {
        forms.push_back({Text(entries[i].pName), static_cast<int>(entries[i].Size.cx),
                         static_cast<int>(entries[i].Size.cy)});
    }
    return forms;
}

bool Win32PrintSpooler::AddPrinterForm(const std::string& printer, const PrinterForm& form) {
    UniquePrinter handle = OpenPrinterNamed(printer);
    if (!handle)
        return false;
    FORM_INFO_1A info{};
    info.Flags = FORM_USER;
    info.pName = const_cast<char*>(form.name.c_str());
    info.Size = {form.width, form.height};
    info.ImageableArea = {0, 0, form.width, form.height};
    return ::AddFormA(handle.get(), 1, reinterpret_cast<BYTE*>(&info)) != FALSE;
}

bool Win32PrintSpooler::DeletePrinterForm(const std::string& printer, const std::string& formName) {
    UniquePrinter handle = OpenPrinterNamed(printer);
    if (!handle)
        return false;
    return ::DeleteFormA(handle.get(), const_cast<char*>(formName.c_str())) != FALSE;
}

}  // namespace natalo
