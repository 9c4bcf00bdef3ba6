#include "exchange/birthday_calendar.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/records.h"

namespace natalo {
namespace {

using testing::Person;

const UtcTime kStamp{{2026, 12, 8}, 9, 5, 7};

// The events of a calendar, unfolded, each as its property lines (UID left out: it is
// checked on its own).
struct Calendar {
    std::vector<std::string> head;
    std::vector<std::vector<std::string>> events;
    std::vector<std::string> uids;
};

Calendar Parse(const std::string& text) {
    Calendar calendar;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        const std::string line = text.substr(start, end - start);
        EXPECT_LE(line.size(), 75u);
        if (line.starts_with(' '))
            lines.back() += line.substr(1);
        else
            lines.push_back(line);
        start = end + 2;
    }
    std::vector<std::string>* current = &calendar.head;
    for (const std::string& line : lines) {
        if (line == "BEGIN:VEVENT") {
            calendar.events.emplace_back();
            current = &calendar.events.back();
        } else if (line == "END:VEVENT") {
            current = &calendar.head;
        } else if (line.starts_with("UID:")) {
            calendar.uids.push_back(line.substr(4));
        } else {
            current->push_back(line);
        }
    }
    return calendar;
}

TEST(WriteBirthdayCalendar, OneYearlyAllDayEventPerPersonWithABirthday) {
    AddressRecord anna = Person("Anna", "Berg", {1971, 4, 3});
    anna.Phone = "0228 1";
    const std::vector<AddressRecord> records{
        anna,
        Person("Ben", "Ohne", {2999, 1, 1}),  // no birthday: no event
        Person("Lea", "Sprung", {1988, 2, 29}),
        Person("Uma", "Unbekannt", {1604, 2, 29}),
        Person("Jörg", "Weiß, Jr.", {1965, 12, 31}),
    };
    const Calendar calendar = Parse(WriteBirthdayCalendar(records, kStamp));
    EXPECT_EQ(calendar.head, (std::vector<std::string>{"BEGIN:VCALENDAR", "VERSION:2.0",
                                                       "PRODID:-//Zarnik Computers//Natalo//EN",
                                                       "CALSCALE:GREGORIAN", "METHOD:PUBLISH",
                                                       "X-WR-CALNAME:Birthdays", "END:VCALENDAR"}));
    auto event = [](std::string start, std::string end, std::string rule, std::string summary) {
        return std::vector<std::string>{"DTSTAMP:20261208T090507Z", "DTSTART;VALUE=DATE:" + start,
                                        "DTEND;VALUE=DATE:" + end,  rule,
                                        "SUMMARY:" + summary,       "TRANSP:TRANSPARENT",
                                        "CATEGORIES:Birthday"};
    };
    const std::string yearly = "RRULE:FREQ=YEARLY";
    const std::string lastOfFebruary = "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1";
    EXPECT_EQ(calendar.events,
              (std::vector<std::vector<std::string>>{
                  event("19710403", "19710404", yearly, "Anna Berg (*1971)"),
                  event("19880229", "19880301", lastOfFebruary, "Lea Sprung (*1988)"),
                  event("20000229", "20000301", lastOfFebruary, "Uma Unbekannt"),
                  event("19651231", "19660101", yearly, "J\xC3\xB6rg Wei\xC3\x9F\\, Jr. (*1965)"),
              }));
}

TEST(WriteBirthdayCalendar, UidsStayTheSameForTheSameAddressBookAndNeverRepeat) {
    AddressRecord anna = Person("Anna", "Berg", {1971, 4, 3});
    const std::vector<AddressRecord> book{anna, Person("Ann", "aBerg", {1971, 4, 3}), anna,
                                          Person("Anna", "Berg", {1971, 4, 4})};
    const Calendar first = Parse(WriteBirthdayCalendar(book, kStamp));
    ASSERT_EQ(first.uids.size(), 4u);
    EXPECT_EQ(std::set<std::string>(first.uids.begin(), first.uids.end()).size(), 4u);
    for (const std::string& uid : first.uids)
        EXPECT_TRUE(uid.ends_with("@natalo.birthdays")) << uid;

    // Exported again later, and after other fields changed: the same UIDs.
    std::vector<AddressRecord> edited = book;
    edited[0].Phone = "0228 1";
    edited[2].City = "Bonn";
    EXPECT_EQ(Parse(WriteBirthdayCalendar(edited, {{2027, 1, 1}, 0, 0, 0})).uids, first.uids);

    // A new person in front shifts nobody's UID; the twin keeps being the second Anna.
    std::vector<AddressRecord> grown = book;
    grown.insert(grown.begin(), Person("Zoe", "Neu", {2000, 1, 1}));
    const std::vector<std::string> grownUids = Parse(WriteBirthdayCalendar(grown, kStamp)).uids;
    EXPECT_EQ(std::vector<std::string>(grownUids.begin() + 1, grownUids.end()), first.uids);
}

}  // namespace
}  // namespace natalo
