// Which birthdays the birthday window shows, in which order, with which age and where:
// the coming column (today to the end of the year, then next year from 1 January), the
// recent list, the print list and the link table entries. A pure function of the records,
// today's date and the regional settings; the window only turns the result into labels.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "addressbook/address_record.h"
#include "platform/calendar.h"
#include "platform/regional_settings.h"
#include "platform/text_lines.h"
#include "reminder/greeting_links.h"

namespace natalo {

// month * 100 + day: the only order of birthdays within a year (1 January = 101).
int DayKey(const CivilDate& date);

// The years completed at `date` by someone born on `birth`; negative for a birth after it.
int AgeOn(const CivilDate& birth, const CivilDate& date);

struct DateHeading {
    int left = 0;
    int top = 0;
    std::string text;  // "Mon, 15.03." (a trailing extra "." for next year's birthdays)
    friend bool operator==(const DateHeading&, const DateHeading&) = default;
};

struct NameItem {
    int left = 0;
    int top = 0;
    // "Anna Muster (42.)"; the name alone for an age of 0 or below and for a birthday
    // without a known year (stored in 1604).
    std::string caption;
    std::string hint;   // with the age whenever the year is known
    bool bold = false;  // a birthday today
    int linkIndex = 0;
    friend bool operator==(const NameItem&, const NameItem&) = default;
};

// One person in the coming column; the heading is there when the person opens a new day.
struct ComingEntry {
    SchedulePass pass = SchedulePass::ThisYear;
    std::optional<DateHeading> heading;
    NameItem name;
    LinkRow links;
    friend bool operator==(const ComingEntry&, const ComingEntry&) = default;
};

struct RecentRow {
    int left = 0;
    int top = 0;
    int width = 0;  // text beyond it is cut off
    std::string caption;
    std::string hint;  // empty: no tooltip
    friend bool operator==(const RecentRow&, const RecentRow&) = default;
};

struct BirthdaySchedule {
    std::vector<ComingEntry> coming;
    std::vector<RecentRow> recent;
    // Two lines per person in calendar order: day and month, then the name.
    TextLines printList;
    // For LinkTable::Store, one per placed person.
    std::vector<LinkTableEntry> linkEntries;
    friend bool operator==(const BirthdaySchedule&, const BirthdaySchedule&) = default;
};

// Builds the schedule from the records handed over in file order, so that a large data
// file can be read a block at a time: of each person only the name and the birthday are
// kept, and the whole record only of the few who may be placed in the coming column.
// Records whose birthday is no usable date (a damaged file) are left out everywhere. The
// installation id goes into the greeting-service URLs.
class BirthdayScheduleBuilder {
  public:
    BirthdayScheduleBuilder(const CivilDate& today, const RegionalSettings& settings,
                            std::string_view installationId);
    ~BirthdayScheduleBuilder();
    BirthdayScheduleBuilder(const BirthdayScheduleBuilder&) = delete;
    BirthdayScheduleBuilder& operator=(const BirthdayScheduleBuilder&) = delete;

    // Whole records as the data file holds them: a multiple of kRecordSize bytes.
    void AddRecords(std::span<const std::byte> records);
    void AddRecord(const AddressRecord& record);

    // The schedule of every record added; the builder is spent afterwards.
    BirthdaySchedule Finish() &&;

  private:
    class State;
    std::unique_ptr<State> state_;
};

BirthdaySchedule BuildBirthdaySchedule(std::span<const AddressRecord> records,
                                       const CivilDate& today, const RegionalSettings& settings,
                                       std::string_view installationId);

}  // namespace natalo
