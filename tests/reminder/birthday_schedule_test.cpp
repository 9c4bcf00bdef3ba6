#include "reminder/birthday_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <random>

#include "support/fake_regional_settings.h"
#include "support/four_people_layout.h"
#include "support/records.h"
#include "support/text_lines_printer.h"

namespace natalo {
namespace {

using testing::FakeRegionalSettings;
using testing::Person;

BirthdaySchedule Build(const std::vector<AddressRecord>& records, CivilDate today,
                       const std::string& shortDate = "dd.MM.yyyy") {
    const FakeRegionalSettings settings(shortDate, ".");
    return BuildBirthdaySchedule(records, today, settings, "CAFE0001");
}

// People with birthdays `stepDays` apart, starting at `first`, named P0, P1, ...
std::vector<AddressRecord> PeopleEvery(int stepDays, int count, CivilDate first) {
    std::vector<AddressRecord> people;
    for (int i = 0; i < count; ++i) {
        AddressRecord person = Person("P" + std::to_string(i), "X", first);
        person.Birthday += stepDays * i;
        people.push_back(person);
    }
    return people;
}

TEST(AgeOn, CountsCompletedYears) {
    EXPECT_EQ(AgeOn({1980, 3, 15}, {1980, 3, 15}), 0);
    EXPECT_EQ(AgeOn({1980, 3, 15}, {2026, 3, 14}), 45);
    EXPECT_EQ(AgeOn({1980, 3, 15}, {2026, 3, 15}), 46);
    EXPECT_EQ(AgeOn({1980, 3, 15}, {2026, 2, 20}), 45);
    // Born 29 February: the next age comes on 1 March of a common year.
    EXPECT_EQ(AgeOn({1988, 2, 29}, {2027, 2, 28}), 38);
    EXPECT_EQ(AgeOn({1988, 2, 29}, {2027, 3, 1}), 39);
    EXPECT_EQ(AgeOn({2030, 5, 1}, {2026, 6, 1}), -4);
}

TEST(DayKey, IsMonthTimesHundredPlusDay) {
    EXPECT_EQ(DayKey({1999, 1, 1}), 101);
    EXPECT_EQ(DayKey({2000, 2, 29}), 229);
    EXPECT_EQ(DayKey({1999, 12, 31}), 1231);
}

TEST(BuildBirthdaySchedule, TwentiethOfDecemberRunsIntoNextYear) {
    const auto schedule = Build(testing::FourPeopleAroundChristmas(), {2026, 12, 20});
    const testing::FourPeopleLayout& layout = testing::FourPeopleAroundChristmasLayout();
    ASSERT_EQ(schedule.coming.size(), layout.names.size());
    const SchedulePass passes[] = {SchedulePass::ThisYear, SchedulePass::ThisYear,
                                   SchedulePass::NextYear, SchedulePass::NextYear};
    for (std::size_t i = 0; i < schedule.coming.size(); ++i) {
        const ComingEntry& entry = schedule.coming[i];
        SCOPED_TRACE(layout.names[i].text);
        EXPECT_EQ(entry.pass, passes[i]);
        ASSERT_TRUE(entry.heading);
        EXPECT_EQ(entry.heading->text, layout.headings[i].text);
        EXPECT_EQ(entry.heading->left, layout.headings[i].left);
        EXPECT_EQ(entry.heading->top, layout.headings[i].top);
        EXPECT_EQ(entry.name.caption, layout.names[i].text);
        EXPECT_EQ(entry.name.left, layout.names[i].left);
        EXPECT_EQ(entry.name.top, layout.names[i].top);
        EXPECT_EQ(entry.links.gift.top, entry.name.top + 17);
        EXPECT_EQ(entry.name.linkIndex, 2 * static_cast<int>(i + 1));
    }
    EXPECT_EQ(schedule.coming[2].links.greeting.caption, "Automat");

    ASSERT_EQ(schedule.recent.size(), layout.recent.size());
    for (std::size_t i = 0; i < schedule.recent.size(); ++i) {
        EXPECT_EQ(schedule.recent[i].caption, layout.recent[i].text);
        EXPECT_EQ(schedule.recent[i].left, layout.recent[i].left);
        EXPECT_EQ(schedule.recent[i].top, layout.recent[i].top);
    }
    EXPECT_EQ(schedule.recent[0].hint, "Clara Klein");
    EXPECT_EQ(schedule.recent[0].width, 140);

    EXPECT_EQ(schedule.printList, (TextLines{"05.01.", "Bert Brown", "10.12.", "Clara Klein",
                                             "20.12.", "Tom Today", "24.12.", "Anna Muster"}));
}

TEST(BuildBirthdaySchedule, LinkEntriesMatchThePlacedNamesAndTheirPass) {
    AddressRecord carl = Person("Carl", "Clemens", {2000, 1, 5}, "m");
    carl.Email = "carl@example.com";
    const auto schedule =
        Build({Person("Bert", "Baum", {1975, 12, 24}, "m"), carl}, {2026, 12, 20});
    ASSERT_EQ(schedule.linkEntries.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(schedule.linkEntries[i].index, schedule.coming[i].name.linkIndex);
        EXPECT_EQ(schedule.coming[i].links.gift.tag, schedule.coming[i].name.linkIndex);
    }
    const std::string service = "http://greetings.natalo.example/zozerodivodurorudu/showall.php";
    EXPECT_EQ(schedule.linkEntries[0].giftUrl,
              service + "?id=CAFE0001&lang=en&v=2.0&h=gt&g=m&a=51&n=Bert");
    EXPECT_EQ(schedule.linkEntries[0].greetingUrl,
              service + "?lang=en&v=1.0.1&h=automat&email=&sms=");
    EXPECT_EQ(schedule.linkEntries[1].giftUrl,
              service + "?id=CAFE0001&lang=en&v=2.0&h=gt&g=m&a=27&n=Carl");
    EXPECT_EQ(schedule.linkEntries[1].greetingUrl,
              service + "?id=CAFE0001&lang=en&v=2.0&h=automat&email=carl%40example.com&sms=");
    EXPECT_EQ(schedule.coming[1].links.mailUrl, "mailto:carl@example.com");
}

TEST(BuildBirthdaySchedule, ThirdOfJanuaryFallsBackToTheYearsLastBirthdays) {
    const auto schedule =
        Build({Person("Emil", "Eber", {1985, 12, 24}), Person("Dora", "Dach", {1990, 1, 5})},
              {2027, 1, 3});
    ASSERT_EQ(schedule.coming.size(), 2u);
    EXPECT_EQ(schedule.coming[0].name.caption, "Dora Dach (37.)");
    EXPECT_EQ(schedule.coming[0].heading->text, "Tue, 05.01.");
    EXPECT_EQ(schedule.coming[1].name.caption, "Emil Eber (42.)");
    EXPECT_EQ(schedule.coming[1].pass, SchedulePass::ThisYear);
    EXPECT_EQ(schedule.coming[1].heading->top, 96);  // 63 + 33
    EXPECT_EQ(schedule.coming[1].name.top, 111);

    ASSERT_EQ(schedule.recent.size(), 2u);
    EXPECT_EQ(schedule.recent[0].caption, "Thu, 24.12.. Emil Eber");
    EXPECT_EQ(schedule.recent[0].left, 15);
    EXPECT_EQ(schedule.recent[0].top, 347);
    EXPECT_EQ(schedule.recent[0].hint, "");
    EXPECT_EQ(schedule.recent[1].caption, "Mon, 05.01.. Dora Dach");
    EXPECT_EQ(schedule.recent[1].top, 359);
}

TEST(BuildBirthdaySchedule, FallbackShowsTheLastTenOfTheYearBackwards) {
    // 1 June to 13 November, every 15 days; nothing lies before today.
    const auto schedule = Build(PeopleEvery(15, 12, {1970, 6, 1}), {2026, 6, 1});
    ASSERT_EQ(schedule.recent.size(), 10u);
    EXPECT_EQ(schedule.recent.front().caption, "Thu, 13.11.. P11 X");
    EXPECT_EQ(schedule.recent.back().caption, "Tue, 01.07.. P2 X");
    EXPECT_EQ(schedule.recent.back().top, 335 + 10 * 12);
    for (const RecentRow& row : schedule.recent)
        EXPECT_EQ(row.left, 15);
}

TEST(BuildBirthdaySchedule, BirthdayTodayIsBoldWithTheAgeReachedToday) {
    const auto schedule =
        Build({Person("Anna", "Muster", {1960, 3, 15}), Person("Otto", "Muster", {1960, 3, 16})},
              {2026, 3, 15});
    ASSERT_EQ(schedule.coming.size(), 2u);
    EXPECT_TRUE(schedule.coming[0].name.bold);
    EXPECT_EQ(schedule.coming[0].name.caption, "Anna Muster (66.)");
    EXPECT_FALSE(schedule.coming[1].name.bold);
    EXPECT_EQ(schedule.coming[1].name.caption, "Otto Muster (66.)");
}

TEST(BuildBirthdaySchedule, TwentyNinthOfFebruary) {
    const std::vector<AddressRecord> leapling{Person("Lea", "Sprung", {1988, 2, 29})};
    const auto onThe28th = Build(leapling, {2027, 2, 28});
    ASSERT_EQ(onThe28th.coming.size(), 1u);
    EXPECT_EQ(onThe28th.coming[0].pass, SchedulePass::ThisYear);
    EXPECT_FALSE(onThe28th.coming[0].name.bold);
    EXPECT_EQ(onThe28th.coming[0].name.caption, "Lea Sprung (39.)");
    EXPECT_EQ(onThe28th.recent[0].left, 15);  // fallback: nothing before today

    const auto onMarch1st = Build(leapling, {2027, 3, 1});
    EXPECT_EQ(onMarch1st.coming[0].pass, SchedulePass::NextYear);
    EXPECT_EQ(onMarch1st.coming[0].name.caption, "Lea Sprung (40.)");
    EXPECT_EQ(onMarch1st.recent[0].caption, "Mon, 29.02. Lea Sprung");

    const auto leapDay = Build(leapling, {2028, 2, 29});
    EXPECT_TRUE(leapDay.coming[0].name.bold);
    EXPECT_EQ(leapDay.coming[0].name.caption, "Lea Sprung (40.)");
}

TEST(BuildBirthdaySchedule, PersonBornThisYear) {
    const auto schedule =
        Build({Person("Hal", "Hahn", {2026, 2, 1}), Person("Gus", "Gans", {2026, 6, 10}),
               Person("Fay", "Fink", {2026, 8, 1})},
              {2026, 6, 10});
    ASSERT_EQ(schedule.coming.size(), 3u);
    const NameItem& gus = schedule.coming[0].name;
    EXPECT_TRUE(gus.bold);
    EXPECT_EQ(gus.caption, "Gus Gans");
    EXPECT_EQ(gus.hint, "Gus Gans (0.)");
    const NameItem& fay = schedule.coming[1].name;
    EXPECT_EQ(fay.caption, "Fay Fink");
    EXPECT_EQ(fay.hint, "Fay Fink (0.)");
    EXPECT_NE(schedule.linkEntries[1].giftUrl.find("&a=0&n=Fay"), std::string::npos);
    const NameItem& hal = schedule.coming[2].name;
    EXPECT_EQ(schedule.coming[2].pass, SchedulePass::NextYear);
    EXPECT_EQ(hal.caption, "Hal Hahn (1.)");
}

TEST(BuildBirthdaySchedule, BirthdaysWithoutAYearShowTheNameAlone) {
    // Stored in 1604: today's, later this year's and next year's (also on 29 February), with
    // a known year beside them for contrast.
    const auto schedule =
        Build({Person("Uma", "Ohne", {1604, 6, 10}), Person("Vic", "Ohne", {1604, 8, 1}),
               Person("Lea", "Ohne", {1604, 2, 29}), Person("Kim", "Mit", {1990, 8, 1})},
              {2026, 6, 10});
    ASSERT_EQ(schedule.coming.size(), 4u);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Uma Ohne", "Uma Ohne"},
        {"Vic Ohne", "Vic Ohne"},
        {"Kim Mit (36.)", "Kim Mit (36.)"},
        {"Lea Ohne", "Lea Ohne"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(schedule.coming[i].name.caption, expected[i].first) << i;
        EXPECT_EQ(schedule.coming[i].name.hint, expected[i].second) << i;
    }
    EXPECT_TRUE(schedule.coming[0].name.bold);
    // Everything else takes the date as it is.
    EXPECT_EQ(schedule.printList[0], "29.02.");
    EXPECT_EQ(schedule.recent[0].caption, "Sun, 29.02. Lea Ohne");
}

TEST(BuildBirthdaySchedule, SeveralPersonsOnOneDayShareAHeading) {
    const auto schedule =
        Build({Person("Ida", "Igel", {1970, 6, 1}), Person("Jan", "Igel", {1975, 6, 1}),
               Person("Kai", "Kauz", {1980, 7, 1})},
              {2026, 1, 1});
    ASSERT_EQ(schedule.coming.size(), 3u);
    EXPECT_EQ(schedule.coming[0].heading->text, "Mon, 01.06.");  // 1 June 2026
    EXPECT_FALSE(schedule.coming[1].heading);
    EXPECT_EQ(schedule.coming[1].name.top, 90);
    EXPECT_EQ(schedule.coming[1].links.mail.top, 107);
    EXPECT_EQ(schedule.coming[2].heading->top, 123);
    EXPECT_EQ(schedule.coming[2].name.top, 138);
    EXPECT_EQ(schedule.coming[0].name.linkIndex, 2);
    EXPECT_EQ(schedule.coming[1].name.linkIndex, 3);
    EXPECT_EQ(schedule.coming[2].name.linkIndex, 5);
}

TEST(BuildBirthdaySchedule, ComingColumnStopsAtFourHundredPixels) {
    // Distinct days, all still to come: each takes 48 pixels.
    auto people = PeopleEvery(7, 30, {1970, 1, 1});
    const auto distinct = Build(people, {2026, 1, 1});
    ASSERT_EQ(distinct.coming.size(), 9u);
    EXPECT_EQ(distinct.coming.back().heading->top, 432);  // placed from cursor 399
    EXPECT_EQ(distinct.coming.back().name.linkIndex, 18);
    EXPECT_EQ(distinct.printList.size(), 60u);

    // One day for everybody: 27 pixels each, at most fourteen entries.
    const auto sameDay = Build(PeopleEvery(0, 20, {1970, 8, 1}), {2026, 1, 1});
    ASSERT_EQ(sameDay.coming.size(), 14u);
    EXPECT_EQ(sameDay.coming.back().name.linkIndex, 15);

    // A full first pass leaves no room for next year's, yet they are all recent.
    const auto full = Build(people, {1970, 1, 29});  // P0..P3 lie before today
    for (const ComingEntry& entry : full.coming)
        EXPECT_EQ(entry.pass, SchedulePass::ThisYear);
    EXPECT_EQ(full.recent.size(), 4u);
    EXPECT_EQ(full.recent.front().caption, "Thu, 22.01. P3 X");
}

TEST(BuildBirthdaySchedule, RecentListHoldsAtMostThirteenRows) {
    for (const int count : {10, 11, 12, 13, 14, 20}) {
        const auto schedule = Build(PeopleEvery(7, count, {1970, 1, 1}), {2026, 12, 31});
        const std::size_t expected = std::min(count, 13);
        ASSERT_EQ(schedule.recent.size(), expected) << count;
        EXPECT_EQ(schedule.recent.front().hint, "P" + std::to_string(count - 1) + " X");
        EXPECT_EQ(schedule.recent.back().top, 335 + static_cast<int>(expected) * 12);
        EXPECT_EQ(schedule.recent.back().left, 10);
    }
}

TEST(BuildBirthdaySchedule, EmptyFileGivesNothing) {
    const auto schedule = Build({}, {2026, 6, 1});
    EXPECT_TRUE(schedule.coming.empty());
    EXPECT_TRUE(schedule.recent.empty());
    EXPECT_TRUE(schedule.printList.empty());
    EXPECT_TRUE(schedule.linkEntries.empty());
}

TEST(BuildBirthdaySchedule, DamagedBirthdaysAreLeftOut) {
    AddressRecord broken = Person("Nan", "Nix");
    broken.Birthday = std::numeric_limits<double>::quiet_NaN();
    AddressRecord huge = Person("Inf", "Nix");
    huge.Birthday = std::numeric_limits<double>::infinity();
    const auto schedule =
        Build({broken, Person("Anna", "Amsel", {1980, 12, 10}), huge}, {2026, 6, 1});
    EXPECT_EQ(schedule.printList, (TextLines{"10.12.", "Anna Amsel"}));
    ASSERT_EQ(schedule.coming.size(), 1u);
    EXPECT_EQ(schedule.coming[0].name.linkIndex, 2);
}

TEST(BuildBirthdaySchedule, TextsFollowTheShortDateFormat) {
    const auto us = Build({Person("Anna", "Muster", {1960, 3, 15})}, {2026, 1, 1}, "M/d/yyyy");
    EXPECT_EQ(us.printList[0], "3/15/");
    EXPECT_EQ(us.coming[0].heading->text, "Sun, 3/15/");
    const auto iso = Build({Person("Anna", "Muster", {1960, 3, 15})}, {2026, 6, 1}, "yyyy-MM-dd");
    EXPECT_EQ(iso.coming[0].heading->text, "Mon, 03-15.");
    EXPECT_EQ(iso.recent[0].caption, "Sun, 03-15 Anna Muster");
}

// The print list keeps the file order among people of one day, and a date picture with
// the weekday shows the weekday of each date of birth, though the day and month are shared.
TEST(BuildBirthdaySchedule, PrintListOfOneDayInFileOrderWithEachBirthsWeekday) {
    const auto schedule = Build({Person("Ben", "X", {1980, 5, 5}), Person("Ada", "X", {1970, 5, 5}),
                                 Person("Cy", "X", {1960, 1, 1})},
                                {2026, 1, 1}, "ddd dd.MM.yyyy");
    EXPECT_EQ(schedule.printList,
              (TextLines{"Fri 01.01.", "Cy X", "Mon 05.05.", "Ben X", "Tue 05.05.", "Ada X"}));
}

TEST(BuildBirthdaySchedule, DisplayNameIsCutAtSixtyOneCharacters) {
    const auto schedule =
        Build({Person(std::string(40, 'a'), std::string(40, 'b'), {1970, 5, 5})}, {2026, 1, 1});
    const std::string name = std::string(40, 'a') + " " + std::string(20, 'b');
    EXPECT_EQ(schedule.printList[1], name);
    EXPECT_EQ(schedule.coming[0].name.hint, name + " (56.)");
}

// A data file's bytes with every kind of record: birthdays crowded around `today` and
// spread over the year, in 1604, on 29 February and unusable; texts of any byte and
// length bytes beyond the fields.
std::vector<std::byte> VariedRecords(std::mt19937& random, int count, const CivilDate& today) {
    std::vector<std::byte> bytes;
    for (int i = 0; i < count; ++i) {
        RecordBytes record;
        for (std::byte& byte : record)
            byte = static_cast<std::byte>(random() % 256);
        for (const TextField& field : kTextFields)
            record[field.offset] = static_cast<std::byte>(random() % (field.capacity + 8));
        double birthday = DateValue(today) + static_cast<int>(random() % 9) - 4;
        switch (random() % 8) {
            case 0:
                birthday = DateValue({1604, 2, 29}) + static_cast<int>(random() % 400);
                break;
            case 1:
                birthday = std::numeric_limits<double>::quiet_NaN();
                break;
            case 2:
                birthday = 1e12;
                break;
            case 3:
            case 4:
                birthday = 20000 + static_cast<int>(random() % 20000) + 0.5;
                break;
            default:
                birthday -= 365.25 * static_cast<int>(random() % 90);
        }
        std::memcpy(&record[kBirthdayOffset], &birthday, sizeof birthday);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

// The window hands the data file's bytes over a block at a time and decodes the whole
// record of the placed people only; that must give what the decoded records give.
TEST(BirthdayScheduleBuilder, RecordBytesInBlocksGiveTheScheduleOfTheDecodedRecords) {
    std::mt19937 random(17);
    for (const CivilDate today : {CivilDate{2026, 1, 1}, CivilDate{2026, 6, 15},
                                  CivilDate{2028, 2, 29}, CivilDate{2026, 12, 31}}) {
        for (const std::string shortDate : {"dd.MM.yyyy", "ddd dd.MM.yyyy"}) {
            const FakeRegionalSettings settings(shortDate, ".");
            const std::vector<std::byte> bytes = VariedRecords(random, 2000, today);
            std::vector<AddressRecord> records;
            for (std::size_t at = 0; at < bytes.size(); at += kRecordSize)
                records.push_back(DecodeRecord(std::span(bytes).subspan(at).first<kRecordSize>()));

            BirthdayScheduleBuilder builder(today, settings, "CAFE0001");
            for (std::size_t at = 0; at < bytes.size();) {
                const std::size_t block =
                    std::min<std::size_t>((random() % 700) * kRecordSize, bytes.size() - at);
                builder.AddRecords(std::span(bytes).subspan(at, block));
                at += block;
            }
            const BirthdaySchedule fromBytes = std::move(builder).Finish();
            const BirthdaySchedule fromRecords =
                BuildBirthdaySchedule(records, today, settings, "CAFE0001");
            EXPECT_EQ(fromBytes.printList, fromRecords.printList);
            EXPECT_GE(fromBytes.coming.size(), 8u);
            EXPECT_TRUE(fromBytes.coming == fromRecords.coming) << shortDate;
            EXPECT_TRUE(fromBytes.recent == fromRecords.recent) << shortDate;
            EXPECT_TRUE(fromBytes.linkEntries == fromRecords.linkEntries) << shortDate;
        }
    }
}

// Only the first people of each pass keep their whole record: whatever the file order,
// the column holds the people in calendar order, this year's first, as many as fit.
TEST(BirthdayScheduleBuilder, ColumnTakesTheFirstPeopleInCalendarOrderAsManyAsFit) {
    std::mt19937 random(19);
    for (const CivilDate today : {CivilDate{2026, 3, 10}, CivilDate{2026, 12, 30}}) {
        std::vector<AddressRecord> people;
        for (int i = 0; i < 4000; ++i) {
            const int shift =
                i % 3 == 0 ? static_cast<int>(random() % 365) : static_cast<int>(random() % 5) - 2;
            AddressRecord person = Person("P" + std::to_string(i), "X", {1980, 1, 1});
            person.Birthday = DateValue({1980, today.month, today.day}) + shift;
            people.push_back(person);
        }
        std::shuffle(people.begin(), people.end(), random);
        const auto schedule = Build(people, today);

        auto passAndDay = [&](const AddressRecord& person) {
            const int dayKey = DayKey(*DateFromValue(person.Birthday));
            return std::pair(dayKey < DayKey(today) ? 1 : 0, dayKey);
        };
        std::vector<AddressRecord> calendar = people;
        std::stable_sort(calendar.begin(), calendar.end(), [&](const auto& a, const auto& b) {
            return passAndDay(a) < passAndDay(b);
        });
        ASSERT_FALSE(schedule.coming.empty());
        for (std::size_t i = 0; i < schedule.coming.size(); ++i) {
            const NameItem& name = schedule.coming[i].name;
            EXPECT_EQ(name.hint.substr(0, name.hint.find(" (")), calendar[i].FirstName + " X");
            if (i > 0) {
                EXPECT_LT(schedule.coming[i - 1].name.top, 400);
            }
        }
        EXPECT_GE(schedule.coming.back().name.top, 400);

        // The recent list: the latest birthdays before today, people of a day in file order.
        std::vector<AddressRecord> recent;
        std::copy_if(people.begin(), people.end(), std::back_inserter(recent),
                     [&](const auto& person) { return passAndDay(person).first == 1; });
        std::stable_sort(recent.begin(), recent.end(), [&](const auto& a, const auto& b) {
            return passAndDay(a).second > passAndDay(b).second;
        });
        ASSERT_EQ(schedule.recent.size(), 13u);
        for (std::size_t i = 0; i < schedule.recent.size(); ++i)
            EXPECT_EQ(schedule.recent[i].hint, recent[i].FirstName + " X");
    }
}

TEST(BuildBirthdaySchedule, LargeFilesStayWithinTheWindowAndTheLinkTable) {
    // 20,000 people spread over the whole year: the column and the recent list stay bounded and
    // every link index fits the 50-entry link table.
    const auto schedule = Build(PeopleEvery(1, 20000, {1950, 1, 1}), {2026, 6, 15});
    EXPECT_EQ(schedule.printList.size(), 40000u);
    EXPECT_LE(schedule.coming.size(), 14u);
    EXPECT_EQ(schedule.recent.size(), 13u);
    for (const LinkTableEntry& entry : schedule.linkEntries) {
        EXPECT_GE(entry.index, 1);
        EXPECT_LE(entry.index, 18);
    }
}

}  // namespace
}  // namespace natalo

namespace natalo {
namespace {

TEST(BuildBirthdaySchedule, HeadingsNameTheWeekdayOfTheDayTheBirthdayFallsOn) {
    // Born on a Saturday (1990) and a Thursday (1985); 8 December 2026 is a Tuesday.
    const auto schedule =
        Build({Person("Anna", "Berg", {1990, 12, 8}), Person("Jan", "Lund", {1985, 12, 8}),
               Person("Leap", "Day", {1988, 2, 29})},
              {2026, 12, 8});
    ASSERT_EQ(schedule.coming.size(), 3u);
    EXPECT_EQ(schedule.coming[0].heading->text, "Tue, 08.12.");
    EXPECT_FALSE(schedule.coming[1].heading);  // the same day shares the heading
    // 29 February 2027 does not exist: the heading keeps the date and takes 1 March's
    // weekday (a Monday).
    EXPECT_EQ(schedule.coming[2].heading->text, "Mon, 29.02..");
    EXPECT_EQ(schedule.recent[0].caption, "Sun, 29.02. Leap Day");  // 1 March 2026
}

}  // namespace
}  // namespace natalo
