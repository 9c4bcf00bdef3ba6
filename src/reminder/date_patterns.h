// The date pictures of the birthday list, derived from the user's short date format: the
// day and month without the year (for the print list) and the heading with the weekday.
#pragma once

#include <string>
#include <string_view>

namespace natalo {

struct DatePatterns {
    std::string full;      // the short date format with its year written as "yyyy"
    std::string dayMonth;  // "dd.MM." from "dd.MM.yyyy", "M/d/" from "M/d/yyyy"
    std::string heading;   // "ddd, " followed by the day-month pattern
};

// Works on the format itself rather than on today's date written in it, so that days
// whose day and month texts look alike (12 December) and formats without leading zeros
// come out right.
DatePatterns DeriveDatePatterns(std::string_view shortDateFormat);

}  // namespace natalo
