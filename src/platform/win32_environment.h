// The Win32 side of the platform seams: the local clock, the user's regional settings, the
// shell's "open" action and the executable's directory.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/regional_settings.h"
#include "platform/shell.h"

namespace natalo {

class Win32Clock : public Clock {
  public:
    CivilDate Today() const override;
    UtcTime UtcNow() const override;
};

// Reads the user's settings at each call, so a change in the control panel shows at the
// next use, as with the system's own date formatting.
class Win32RegionalSettings : public RegionalSettings {
  public:
    std::string ShortDateFormat() const override;
    std::string DateSeparator() const override;
    std::string AbbreviatedDayName(int dayOfWeek) const override;
    std::string DayName(int dayOfWeek) const override;
    std::string AbbreviatedMonthName(int month) const override;
    std::string MonthName(int month) const override;
    int CompareText(std::string_view a, std::string_view b) const override;
    // LCMapStringW's sort key in the locale and with the flags lstrcmpA compares with.
    std::optional<std::string> SortKey(std::string_view text) const override;
};

// ShellExecuteA with the verb "open".
class Win32Shell : public Shell {
  public:
    void Open(const std::string& address) override;
};

// The full path of the running executable (GetModuleFileNameA).
std::string ExecutablePath();
// Its directory, ending in a backslash.
std::string ExecutableDirectory();

}  // namespace natalo
