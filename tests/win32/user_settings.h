// Settings of the test prefix's user that a test changes for its duration and puts back
// afterwards: registry values and the short date format of the regional settings.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace natalo::testing {

// Writes a value, creating its key; false when the registry refused.
bool PutRegistryValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
                      const void* data, DWORD size);
bool PutRegistryText(HKEY root, const std::string& key, const std::string& name,
                     const std::string& text);

// Keeps a value (or that there is none) and puts it back when it goes.
class SavedRegistryValue {
  public:
    SavedRegistryValue(HKEY root, std::string key, std::string name);
    ~SavedRegistryValue();
    SavedRegistryValue(const SavedRegistryValue&) = delete;
    SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

  private:
    HKEY root_;
    std::string key_;
    std::string name_;
    DWORD type_ = 0;
    std::optional<std::string> data_;
};

// The user's short date format and date separator while it lives.
class UserShortDateFormat {
  public:
    UserShortDateFormat(const char* format, const char* separator);
    ~UserShortDateFormat();
    UserShortDateFormat(const UserShortDateFormat&) = delete;
    UserShortDateFormat& operator=(const UserShortDateFormat&) = delete;

  private:
    char format_[80] = {};
    char separator_[8] = {};
};

}  // namespace natalo::testing
