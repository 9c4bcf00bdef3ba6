#include "reminder/birthday_schedule.h"

#include <algorithm>

#include "platform/date_format.h"
#include "reminder/date_patterns.h"

namespace natalo {
namespace {

// Layout of the coming column and the recent list, in the window's client pixels.
constexpr int kFirstCursor = 15;
constexpr int kPlacementLimit = 400;
constexpr int kNameLeft = 190;
constexpr int kHeadingLeft = kNameLeft - 20;
constexpr int kNewDayStepThisYear = 33;
constexpr int kNewDayStepNextYear = 30;
constexpr int kSameDayStep = 12;
constexpr int kHeadingToNameStep = 15;

constexpr int kFirstRecentCursor = 335;
constexpr int kRecentStep = 12;
constexpr int kRecentWidth = 140;
constexpr int kRecentLeft = 10;
constexpr int kFallbackLeft = 15;
constexpr std::size_t kMostRecentRows = 13;
constexpr std::size_t kMostFallbackRows = 10;

// Both name fields hold at most 30 characters; longer texts from elsewhere are cut alike.
constexpr std::size_t kMostDisplayNameLength = 61;

struct ScheduleEntry {
    const AddressRecord* record;
    CivilDate birth;
    int dayKey;
    std::string displayName;
};

// Day keys run from 101 (1 January) to 1231 (31 December).
constexpr std::size_t kDayKeys = 1232;

std::vector<ScheduleEntry> EntriesInCalendarOrder(std::span<const AddressRecord> records) {
    std::vector<ScheduleEntry> inFileOrder;
    inFileOrder.reserve(records.size());
    for (const AddressRecord& record : records) {
        const auto birth = DateFromValue(record.Birthday);
        if (!birth)
            continue;
        std::string name = record.FirstName + " " + record.LastName;
        if (name.size() > kMostDisplayNameLength)
            name.resize(kMostDisplayNameLength);
        inFileOrder.push_back({&record, *birth, DayKey(*birth), std::move(name)});
    }
    // Sorted by counting the people of each day: one pass for any number of people, and
    // people sharing a day keep the order of the data file.
    std::vector<std::size_t> next(kDayKeys + 1, 0);
    for (const ScheduleEntry& entry : inFileOrder)
        ++next[static_cast<std::size_t>(entry.dayKey) + 1];
    for (std::size_t key = 1; key < next.size(); ++key)
        next[key] += next[key - 1];
    std::vector<ScheduleEntry> entries(inFileOrder.size());
    for (ScheduleEntry& entry : inFileOrder)
        entries[next[static_cast<std::size_t>(entry.dayKey)]++] = std::move(entry);
    return entries;
}

class ScheduleBuilder {
  public:
    ScheduleBuilder(const CivilDate& today, const RegionalSettings& settings,
                    std::string_view installationId)
        : today_(today),
          todayKey_(DayKey(today)),
          settings_(settings),
          patterns_(DeriveDatePatterns(settings.ShortDateFormat())),
          installationId_(installationId) {}

    BirthdaySchedule Build(std::span<const AddressRecord> records) {
        const std::vector<ScheduleEntry> entries = EntriesInCalendarOrder(records);
        result_.printList.reserve(entries.size() * 2);

        for (const ScheduleEntry& entry : entries) {
            result_.printList.push_back(DayMonthText(entry));
            result_.printList.push_back(entry.displayName);
            if (entry.dayKey >= todayKey_ && cursor_ < kPlacementLimit) {
                Place(entry, SchedulePass::ThisYear);
            }
        }

        previousDayKey_.reset();
        std::vector<const ScheduleEntry*> earlierThisYear;
        for (const ScheduleEntry& entry : entries) {
            if (entry.dayKey >= todayKey_)
                continue;
            earlierThisYear.push_back(&entry);
            if (cursor_ < kPlacementLimit)
                Place(entry, SchedulePass::NextYear);
        }

        if (!earlierThisYear.empty()) {
            AddRecentRows(earlierThisYear);
        } else {
            AddFallbackRows(entries);
        }
        return std::move(result_);
    }

  private:
    void Place(const ScheduleEntry& entry, SchedulePass pass) {
        ComingEntry placed;
        placed.pass = pass;
        ++linkIndex_;
        if (entry.dayKey != previousDayKey_) {
            ++linkIndex_;
            cursor_ += pass == SchedulePass::ThisYear ? kNewDayStepThisYear : kNewDayStepNextYear;
            std::string text =
                HeadingText(entry, today_.year + (pass == SchedulePass::NextYear ? 1 : 0));
            if (pass == SchedulePass::NextYear)
                text += '.';
            placed.heading = DateHeading{kHeadingLeft, cursor_, std::move(text)};
        } else {
            cursor_ += kSameDayStep;
        }
        cursor_ += kHeadingToNameStep;

        const bool isToday = entry.dayKey == todayKey_;
        const int age = AgeOn(entry.birth, today_) + (isToday ? 0 : 1);
        // A birthday stored without its year has no age to show, not one of four centuries.
        const bool ageKnown = entry.birth.year != kUnknownBirthYear;
        const std::string withAge =
            ageKnown ? entry.displayName + " (" + std::to_string(age) + ".)" : entry.displayName;
        placed.name = {kNameLeft, cursor_, age > 0 ? withAge : entry.displayName,
                       withAge,   isToday, linkIndex_};

        const AddressRecord& person = *entry.record;
        placed.links = MakeLinkRow(person, pass, linkIndex_, cursor_);
        result_.linkEntries.push_back({linkIndex_, GiftUrl(person, age, installationId_),
                                       GreetingUrl(person, pass, installationId_)});
        result_.coming.push_back(std::move(placed));
        previousDayKey_ = entry.dayKey;
    }

    // The day and month of a birthday as the print list shows it. Most pictures hold only
    // the day and the month, so the text is made once per day of the year; one with the
    // weekday depends on the year of birth as well.
    std::string DayMonthText(const ScheduleEntry& entry) {
        if (!dayMonthDependsOnDayAlone_)
            return FormatDate(entry.birth, patterns_.dayMonth, settings_);
        std::optional<std::string>& text = dayMonthTexts_[static_cast<std::size_t>(entry.dayKey)];
        if (!text)
            text = FormatDate(entry.birth, patterns_.dayMonth, settings_);
        return *text;
    }

    // The latest birthday before today first.
    void AddRecentRows(std::vector<const ScheduleEntry*> earlier) {
        std::stable_sort(
            earlier.begin(), earlier.end(),
            [](const ScheduleEntry* a, const ScheduleEntry* b) { return a->dayKey > b->dayKey; });
        const std::size_t count = std::min(earlier.size(), kMostRecentRows);
        for (std::size_t i = 0; i < count; ++i) {
            const ScheduleEntry& entry = *earlier[i];
            recentCursor_ += kRecentStep;
            result_.recent.push_back({kRecentLeft, recentCursor_, kRecentWidth,
                                      HeadingText(entry, today_.year) + " " + entry.displayName,
                                      entry.displayName});
        }
    }

    // No birthday lies before today: the last ones of the year stand in, from 31 December
    // backwards, although they are still to come.
    void AddFallbackRows(const std::vector<ScheduleEntry>& entries) {
        const std::size_t count = std::min(entries.size(), kMostFallbackRows);
        for (std::size_t i = 0; i < count; ++i) {
            const ScheduleEntry& entry = entries[entries.size() - 1 - i];
            recentCursor_ += kRecentStep;
            result_.recent.push_back(
                {kFallbackLeft, recentCursor_, kRecentWidth,
                 HeadingText(entry, today_.year - 1) + ". " + entry.displayName, ""});
        }
    }

    // A heading names the day on which the birthday falls in `year`, so its weekday is
    // that day's, not the weekday of the date of birth. A 29 February in a common year is
    // kept on 1 March's weekday, the day it is celebrated at the latest.
    std::string HeadingText(const ScheduleEntry& entry, int year) const {
        CivilDate anniversary{year, entry.birth.month, entry.birth.day};
        if (!IsValidCivilDate(anniversary))
            anniversary = {year, 3, 1};
        return FormatDate(anniversary, "ddd", settings_) + ", " +
               FormatDate(entry.birth, patterns_.dayMonth, settings_);
    }

    const CivilDate today_;
    const int todayKey_;
    const RegionalSettings& settings_;
    const DatePatterns patterns_;
    const std::string_view installationId_;
    const bool dayMonthDependsOnDayAlone_ = patterns_.dayMonth.find("ddd") == std::string::npos &&
                                            patterns_.dayMonth.find('y') == std::string::npos;
    std::vector<std::optional<std::string>> dayMonthTexts_ =
        std::vector<std::optional<std::string>>(kDayKeys);

    int cursor_ = kFirstCursor;
    int recentCursor_ = kFirstRecentCursor;
    int linkIndex_ = 0;
    std::optional<int> previousDayKey_;
    BirthdaySchedule result_;
};

}  // namespace

int DayKey(const CivilDate& date) {
    return date.month * 100 + date.day;
}

int AgeOn(const CivilDate& birth, const CivilDate& date) {
    const bool birthdayStillAhead =
        birth.month > date.month || (birth.month == date.month && birth.day > date.day);
    return date.year - birth.year - (birthdayStillAhead ? 1 : 0);
}

BirthdaySchedule BuildBirthdaySchedule(std::span<const AddressRecord> records,
                                       const CivilDate& today, const RegionalSettings& settings,
                                       std::string_view installationId) {
    return ScheduleBuilder(today, settings, installationId).Build(records);
}

}  // namespace natalo
