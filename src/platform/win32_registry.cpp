#include "platform/win32_registry.h"

#include <vector>

namespace natalo {
namespace {

std::string InvalidTypeMessage(const std::string& name) {
    return "Ungültiger Datentyp für '" + name + "'";
}

}  // namespace

void RegistryAccessor::SetRootKey(HKEY root) {
    CloseKey();
    root_ = root;
}

bool RegistryAccessor::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    HKEY key = nullptr;
    const LONG result =
        canCreate ? ::RegCreateKeyExA(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, &key, nullptr)
                  : ::RegOpenKeyExA(root_, path.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (result != ERROR_SUCCESS)
        return false;
    key_.reset(key);
    return true;
}

std::string RegistryAccessor::ReadString(const std::string& name) const {
    if (!key_)
        return {};
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ERegistryException(InvalidTypeMessage(name));
    // The value may grow between the two calls; ask again with the size it reports then.
    std::vector<char> data;
    LONG result = ERROR_MORE_DATA;
    while (result == ERROR_MORE_DATA) {
        data.assign(size + 1, '\0');
        DWORD capacity = size;
        result = ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                                    reinterpret_cast<BYTE*>(data.data()), &capacity);
        size = capacity;
    }
    if (result != ERROR_SUCCESS)
        throw ERegistryException("Konnte Daten für '" + name + "' nicht lesen");
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ERegistryException(InvalidTypeMessage(name));
    // Stored text need not end in a zero; the extra byte above always does.
    return std::string(data.data());
}

void RegistryAccessor::WriteString(const std::string& name, const std::string& value) {
    const LONG result = key_ ? ::RegSetValueExA(key_.get(), name.c_str(), 0, REG_SZ,
                                                reinterpret_cast<const BYTE*>(value.c_str()),
                                                static_cast<DWORD>(value.size() + 1))
                             : ERROR_INVALID_HANDLE;
    if (result != ERROR_SUCCESS)
        throw ERegistryException("Konnte Daten für '" + name + "' nicht setzen");
}

bool RegistryAccessor::DeleteValue(const std::string& name) {
    return key_ && ::RegDeleteValueA(key_.get(), name.c_str()) == ERROR_SUCCESS;
}

bool RegistryAccessor::ValueExists(const std::string& name) const {
    return key_ && ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, nullptr, nullptr,
                                      nullptr) == ERROR_SUCCESS;
}

}  // namespace natalo
