#include "platform/date_format.h"

#include <cstdio>

namespace natalo {
namespace {

std::string Number(int value, int minDigits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", minDigits, value);
    return text;
}

}  // namespace

std::string FormatDate(const CivilDate& date, std::string_view picture,
                       const RegionalSettings& settings) {
    std::string out;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'' && i + 1 < picture.size() && picture[i + 1] == '\'') {
            out += '\'';  // two quotes in a row stand for one quote
            i += 2;
            continue;
        }
        if (c == '\'') {
            // Quoted literal text.
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        out += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += picture[i++];
            }
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        switch (c) {
            case 'd':
                if (run == 1 || run == 2) {
                    out += Number(date.day, static_cast<int>(run));
                } else if (run == 3) {
                    out += settings.AbbreviatedDayName(DayOfWeek(date));
                } else {
                    out += settings.DayName(DayOfWeek(date));
                }
                break;
            case 'M':
                if (run == 1 || run == 2) {
                    out += Number(date.month, static_cast<int>(run));
                } else if (run == 3) {
                    out += settings.AbbreviatedMonthName(date.month);
                } else {
                    out += settings.MonthName(date.month);
                }
                break;
            case 'y':
                if (run <= 2) {
                    out += Number(date.year % 100, static_cast<int>(run));
                } else {
                    out += Number(date.year, static_cast<int>(run == 3 ? 4 : run));
                }
                break;
            case 'g':
                break;  // era: nothing for the Gregorian calendar
            default:
                out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::string WithFourDigitYear(std::string_view picture) {
    std::string out;
    bool quoted = false;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'' || quoted || c != 'y') {
            if (c == '\'')
                quoted = !quoted;  // '' inside or outside quotes toggles twice: no change
            out += c;
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == 'y')
            ++run;
        out += "yyyy";
        i += run;
    }
    return out;
}

std::string ShortDateText(double value, const RegionalSettings& settings) {
    const auto date = DateFromValue(value);
    return date ? FormatDate(*date, settings.ShortDateFormat(), settings) : std::string();
}

ShortDateFormatter::ShortDateFormatter(const RegionalSettings& settings)
    : picture_(settings.ShortDateFormat()), separator_(settings.DateSeparator()) {
    // Names are only read when the picture shows them.
    const bool dayNames = picture_.find("ddd") != std::string::npos;
    const bool monthNames = picture_.find("MMM") != std::string::npos;
    for (int d = 0; d < 7 && dayNames; ++d) {
        shortDays_[d] = settings.AbbreviatedDayName(d);
        days_[d] = settings.DayName(d);
    }
    for (int m = 1; m <= 12 && monthNames; ++m) {
        shortMonths_[m - 1] = settings.AbbreviatedMonthName(m);
        months_[m - 1] = settings.MonthName(m);
    }
}

std::string ShortDateFormatter::Text(double value) const {
    const auto date = DateFromValue(value);
    return date ? FormatDate(*date, picture_, *this) : std::string();
}

int ShortDateFormatter::CompareText(std::string_view a, std::string_view b) const {
    return a.compare(b);  // not used for formatting
}

}  // namespace natalo
