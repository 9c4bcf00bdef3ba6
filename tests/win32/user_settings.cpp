#include "win32/user_settings.h"

#include "platform/win32_handle.h"

namespace natalo::testing {

bool PutRegistryValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
                      const void* data, DWORD size) {
    HKEY opened = nullptr;
    if (::RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                          nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const UniqueRegistryKey held(opened);
    return ::RegSetValueExA(opened, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

bool PutRegistryText(HKEY root, const std::string& key, const std::string& name,
                     const std::string& text) {
    return PutRegistryValue(root, key, name, REG_SZ, text.c_str(),
                            static_cast<DWORD>(text.size() + 1));
}

SavedRegistryValue::SavedRegistryValue(HKEY root, std::string key, std::string name)
    : root_(root), key_(std::move(key)), name_(std::move(name)) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root_, key_.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return;
    const UniqueRegistryKey held(opened);
    DWORD size = 0;
    if (::RegQueryValueExA(opened, name_.c_str(), nullptr, &type_, nullptr, &size) ==
        ERROR_SUCCESS) {
        data_.emplace(size, '\0');
        ::RegQueryValueExA(opened, name_.c_str(), nullptr, &type_,
                           reinterpret_cast<BYTE*>(data_->data()), &size);
    }
}

SavedRegistryValue::~SavedRegistryValue() {
    if (data_) {
        PutRegistryValue(root_, key_, name_, type_, data_->data(),
                         static_cast<DWORD>(data_->size()));
        return;
    }
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root_, key_.c_str(), 0, KEY_SET_VALUE, &opened) == ERROR_SUCCESS) {
        const UniqueRegistryKey held(opened);
        ::RegDeleteValueA(opened, name_.c_str());
    }
}

UserShortDateFormat::UserShortDateFormat(const char* format, const char* separator) {
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format_, sizeof format_);
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator_, sizeof separator_);
    ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format);
    ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator);
}

UserShortDateFormat::~UserShortDateFormat() {
    ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format_);
    ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator_);
}

}  // namespace natalo::testing
