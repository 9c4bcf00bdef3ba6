// "Start with Windows": the Run entry under HKEY_CURRENT_USER that starts this program
// with "/silent" when the user logs on, and the text last written to it.
#pragma once

#include <string>
#include <string_view>

namespace natalo {

inline constexpr const char* kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kAutostartValueName = "ZozerodivodUrorudu";

// The command the program last wrote as its Run entry (program-wide).
std::string& AutostartCommand();

// The entry's text for an executable: the path in quotes, so that Windows cannot take a
// shorter prefix of a path with blanks for the program, then " /silent".
std::string AutostartCommandFor(std::string_view executablePath);
// Whether an entry starts this executable: the quoted form, or the unquoted one that
// earlier versions wrote. Exact bytes: another path or other capitals do not count.
bool IsAutostartEntryFor(std::string_view entry, std::string_view executablePath);

class AutostartEntry {
  public:
    explicit AutostartEntry(std::string executablePath, std::string keyPath = kRunKeyPath);

    // Whether the entry starts this executable; a missing entry reads as off. An entry
    // that is not text raises "Ungültiger Datentyp für 'ZozerodivodUrorudu'".
    bool IsOn() const;
    // Whether there is an entry at all, this executable's or another's.
    bool IsSet() const;
    // Writes AutostartCommand() (set here) as the entry; raises "Konnte Daten für
    // 'ZozerodivodUrorudu' nicht setzen" when the registry refuses. The key stays.
    void SwitchOn() const;
    // Removes the entry; a failure is ignored. The key stays.
    void SwitchOff() const;

  private:
    std::string executablePath_;
    std::string keyPath_;
};

}  // namespace natalo
