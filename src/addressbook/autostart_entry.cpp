#include "addressbook/autostart_entry.h"

#include "platform/win32_registry.h"

namespace natalo {
namespace {

constexpr std::string_view kSilentArgument = " /silent";

}  // namespace

std::string& AutostartCommand() {
    static std::string command;
    return command;
}

std::string AutostartCommandFor(std::string_view executablePath) {
    std::string command = "\"";
    command += executablePath;
    command += '"';
    command += kSilentArgument;
    return command;
}

bool IsAutostartEntryFor(std::string_view entry, std::string_view executablePath) {
    std::string unquoted(executablePath);
    unquoted += kSilentArgument;
    return entry == AutostartCommandFor(executablePath) || entry == unquoted;
}

AutostartEntry::AutostartEntry(std::string executablePath, std::string keyPath)
    : executablePath_(std::move(executablePath)), keyPath_(std::move(keyPath)) {}

bool AutostartEntry::IsOn() const {
    RegistryAccessor registry(HKEY_CURRENT_USER);
    registry.OpenKey(keyPath_, true);
    return IsAutostartEntryFor(registry.ReadString(kAutostartValueName), executablePath_);
}

bool AutostartEntry::IsSet() const {
    RegistryAccessor registry(HKEY_CURRENT_USER);
    return registry.OpenKey(keyPath_, false) && registry.ValueExists(kAutostartValueName);
}

void AutostartEntry::SwitchOn() const {
    AutostartCommand() = AutostartCommandFor(executablePath_);
    RegistryAccessor registry(HKEY_CURRENT_USER);
    registry.OpenKey(keyPath_, true);
    registry.WriteString(kAutostartValueName, AutostartCommand());
}

void AutostartEntry::SwitchOff() const {
    AutostartCommand() = AutostartCommandFor(executablePath_);
    RegistryAccessor registry(HKEY_CURRENT_USER);
    registry.OpenKey(keyPath_, true);
    registry.DeleteValue(kAutostartValueName);
}

}  // namespace natalo
