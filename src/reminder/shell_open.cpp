#include "reminder/shell_open.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace natalo {
namespace {

std::function<void(const std::string&)>& Handler() {
    static std::function<void(const std::string&)> handler;
    return handler;
}

}  // namespace

void ShellOpen(const std::string& address) {
    if (Handler()) {
        Handler()(address);
        return;
    }
    // As with a link in any program: when no program takes the address, nothing happens.
    ::ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void SetShellOpenHandler(std::function<void(const std::string& address)> handler) {
    Handler() = std::move(handler);
}

}  // namespace natalo
