// Formatting dates with a Windows date picture such as "dd.MM.yyyy", "M/d/yyyy" or
// "ddd, dd.MM.": d dd ddd dddd, M MM MMM MMMM, y yy yyyy, 'quoted text' ('' is a quote);
// every other character stands for itself. Names come from the regional settings.
#pragma once

#include <string>
#include <string_view>

#include "platform/calendar.h"
#include "platform/regional_settings.h"

namespace natalo {

std::string FormatDate(const CivilDate& date, std::string_view picture,
                       const RegionalSettings& settings);

// A date value in the user's short date format; empty text when the value is not a
// usable date (a damaged record).
std::string ShortDateText(double value, const RegionalSettings& settings);

}  // namespace natalo
