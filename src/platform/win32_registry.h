// The registry accessor of the program: a root key, at most one open key below it, and
// string values read, written and deleted. Failures are raised with the runtime's German
// messages, which the default error handler shows.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

#include "platform/win32_handle.h"

namespace natalo {

class ERegistryException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class RegistryAccessor {
  public:
    explicit RegistryAccessor(HKEY root = HKEY_CURRENT_USER) : root_(root) {}

    HKEY RootKey() const { return root_; }
    // Closes an open key first.
    void SetRootKey(HKEY root);

    // Opens a key below the root, creating it when it is missing and creation is allowed.
    // An open key is closed first. False (and no open key) when the key cannot be opened.
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey() { key_.reset(); }
    bool HasOpenKey() const { return static_cast<bool>(key_); }

    // A missing value (or no open key) reads as empty text. A value that is not text
    // raises "Ungültiger Datentyp für '<name>'".
    std::string ReadString(const std::string& name) const;
    // Raises "Konnte Daten für '<name>' nicht setzen" when the value cannot be written.
    void WriteString(const std::string& name, const std::string& value);
    // Whether the value was deleted.
    bool DeleteValue(const std::string& name);
    bool ValueExists(const std::string& name) const;

  private:
    HKEY root_;
    UniqueRegistryKey key_;
};

}  // namespace natalo
