#include "exchange/birthday_calendar.h"

#include <cstdint>
#include <cstdio>
#include <map>

#include "exchange/content_lines.h"
#include "exchange/export_line.h"
#include "exchange/import_line.h"
#include "exchange/text_encoding.h"

namespace natalo {
namespace {

// Where a birthday without a known year starts repeating: a leap year, so that 29 February
// exists in it.
constexpr int kFirstYearOfUnknownYear = 2000;

std::string BasicDate(const CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    return text;
}

CivilDate DayAfter(const CivilDate& date) {
    const auto next = DateFromValue(DateValue(date) + 1);
    return next ? *next : date;  // 31 December 9999 has no day after; it keeps its own
}

// FNV-1a, 64 bits: stable across runs, builds and platforms, unlike std::hash.
std::uint64_t StableHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

class CalendarWriter {
  public:
    explicit CalendarWriter(const UtcTime& stamp) {
        char text[32];
        std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", stamp.date.year,
                      stamp.date.month, stamp.date.day, stamp.hour, stamp.minute, stamp.second);
        stamp_ = text;
    }

    std::string Write(std::span<const AddressRecord> records) {
        Line("BEGIN:VCALENDAR");
        Line("VERSION:2.0");
        Line("PRODID:-//Zarnik Computers//Natalo//EN");
        Line("CALSCALE:GREGORIAN");
        Line("METHOD:PUBLISH");
        Line("X-WR-CALNAME:Birthdays");
        for (const AddressRecord& record : records) {
            if (const auto birthday = KnownBirthday(record))
                Event(record, *birthday);
        }
        Line("END:VCALENDAR");
        return std::move(out_);
    }

  private:
    void Event(const AddressRecord& record, const CivilDate& birthday) {
        const bool yearKnown = birthday.year != kUnknownBirthYear;
        const CivilDate start =
            yearKnown ? birthday : CivilDate{kFirstYearOfUnknownYear, birthday.month, birthday.day};
        std::string summary = FullName(record);
        if (yearKnown)
            summary += (summary.empty() ? "(*" : " (*") + std::to_string(birthday.year) + ")";

        Line("BEGIN:VEVENT");
        Line("UID:" + Uid(record, birthday));
        Line("DTSTAMP:" + stamp_);
        Line("DTSTART;VALUE=DATE:" + BasicDate(start));
        Line("DTEND;VALUE=DATE:" + BasicDate(DayAfter(start)));
        Line(birthday.month == 2 && birthday.day == 29 ? "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1"
                                                       : "RRULE:FREQ=YEARLY");
        Line("SUMMARY:" + EscapeText(Utf8FromWindows1252(summary)));
        Line("TRANSP:TRANSPARENT");
        Line("CATEGORIES:Birthday");
        Line("END:VEVENT");
    }

    std::string Uid(const AddressRecord& record, const CivilDate& birthday) {
        // The unit separator cannot be typed into a name, so "Ann;a" and "Anna;" differ.
        const std::uint64_t hash =
            StableHash(record.FirstName + '\x1F' + record.LastName + '\x1F' + BasicDate(birthday));
        const int occurrence = ++seen_[hash];
        char text[64];
        std::snprintf(text, sizeof text, "%016llx-%d@natalo.birthdays",
                      static_cast<unsigned long long>(hash), occurrence);
        return text;
    }

    void Line(const std::string& line) { AppendContentLine(out_, line); }

    std::string stamp_;
    std::string out_;
    std::map<std::uint64_t, int> seen_;
};

}  // namespace

std::string WriteBirthdayCalendar(std::span<const AddressRecord> records, const UtcTime& stamp) {
    return CalendarWriter(stamp).Write(records);
}

}  // namespace natalo
