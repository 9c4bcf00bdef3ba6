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

// Every placement moves the cursor down by a same-day step or more, and names are placed
// only while the cursor has not reached the limit: no more people than this are placed.
constexpr int kSmallestPlacementStep = kSameDayStep + kHeadingToNameStep;
constexpr std::size_t kMostPlaced =
    (kPlacementLimit - kFirstCursor + kSmallestPlacementStep - 1) / kSmallestPlacementStep;

// Both name fields hold at most 30 characters; longer texts from elsewhere are cut alike.
constexpr std::size_t kMostDisplayNameLength = 61;

// Day keys run from 101 (1 January) to 1231 (31 December).
constexpr std::size_t kDayKeys = 1232;

// One person with a usable birthday; the display name lies in the names buffer.
struct Person {
    CivilDate birth;
    int dayKey = 0;
    std::size_t nameOffset = 0;
    std::size_t nameLength = 0;
};

// One of the first people of a pass in calendar order, with the whole record: the links
// need more of it than the name.
struct Candidate {
    std::size_t person = 0;
    AddressRecord record;
};

// Everyone with a usable birthday, in file order, and the whole records of those who may
// be placed in the coming column.
class SchedulePeople {
  public:
    explicit SchedulePeople(int todayKey) : todayKey_(todayKey) {}

    // `wholeRecord` makes the record; it is asked only for people who may be placed.
    template <class WholeRecord>
    void Add(double birthday, std::string_view firstName, std::string_view lastName,
             const WholeRecord& wholeRecord) {
        const auto birth = DateFromValue(birthday);
        if (!birth)
            return;
        Person person{*birth, DayKey(*birth), names_.size(), 0};
        names_ += firstName;
        names_ += ' ';
        names_ += lastName;
        person.nameLength = std::min(names_.size() - person.nameOffset, kMostDisplayNameLength);
        names_.resize(person.nameOffset + person.nameLength);
        all_.push_back(person);
        Offer(person.dayKey >= todayKey_ ? comingThisYear_ : comingNextYear_, wholeRecord);
    }

    const std::vector<Person>& All() const { return all_; }
    std::string_view Name(const Person& person) const {
        return std::string_view(names_).substr(person.nameOffset, person.nameLength);
    }
    std::size_t NameCharacters() const { return names_.size(); }
    // The first people in calendar order whose birthday is still to come this year, and
    // those of the birthdays before today, which come next year.
    const std::vector<Candidate>& ComingThisYear() const { return comingThisYear_; }
    const std::vector<Candidate>& ComingNextYear() const { return comingNextYear_; }

  private:
    // Keeps the newest person if it is among the first of its pass. People arrive in file
    // order, so a newcomer stands behind everyone of its day.
    template <class WholeRecord>
    void Offer(std::vector<Candidate>& first, const WholeRecord& wholeRecord) {
        const std::size_t person = all_.size() - 1;
        const auto at = std::upper_bound(first.begin(), first.end(), all_[person].dayKey,
                                         [this](int dayKey, const Candidate& candidate) {
                                             return dayKey < all_[candidate.person].dayKey;
                                         });
        if (at == first.end() && first.size() == kMostPlaced)
            return;
        first.insert(at, Candidate{person, wholeRecord()});
        if (first.size() > kMostPlaced)
            first.pop_back();
    }

    const int todayKey_;
    std::vector<Person> all_;
    std::string names_;
    std::vector<Candidate> comingThisYear_;
    std::vector<Candidate> comingNextYear_;
};

// The people's indexes in calendar order, sorted by counting the people of each day: one
// pass for any number of people, and people sharing a day keep the order of the data file.
std::vector<std::size_t> CalendarOrder(const std::vector<Person>& people) {
    std::vector<std::size_t> next(kDayKeys + 1, 0);
    for (const Person& person : people)
        ++next[static_cast<std::size_t>(person.dayKey) + 1];
    for (std::size_t key = 1; key < next.size(); ++key)
        next[key] += next[key - 1];
    std::vector<std::size_t> order(people.size());
    for (std::size_t i = 0; i < people.size(); ++i)
        order[next[static_cast<std::size_t>(people[i].dayKey)]++] = i;
    return order;
}

class ScheduleLayout {
  public:
    ScheduleLayout(const CivilDate& today, const RegionalSettings& settings,
                   std::string_view installationId)
        : today_(today),
          todayKey_(DayKey(today)),
          settings_(settings),
          patterns_(DeriveDatePatterns(settings.ShortDateFormat())),
          installationId_(installationId) {}

    BirthdaySchedule Build(const SchedulePeople& people) {
        const std::vector<std::size_t> order = CalendarOrder(people.All());
        result_.printList.Reserve(order.size() * 2, people.NameCharacters() + order.size() * 8);
        for (const std::size_t index : order) {
            const Person& person = people.All()[index];
            AddDayMonthLine(person);
            result_.printList.Add(people.Name(person));
        }

        // The candidates are the first people of each pass in calendar order, more than
        // fit into the column.
        for (const Candidate& candidate : people.ComingThisYear()) {
            if (cursor_ >= kPlacementLimit)
                break;
            Place(people, candidate, SchedulePass::ThisYear);
        }
        previousDayKey_.reset();
        for (const Candidate& candidate : people.ComingNextYear()) {
            if (cursor_ >= kPlacementLimit)
                break;
            Place(people, candidate, SchedulePass::NextYear);
        }

        const auto thisYear = std::partition_point(order.begin(), order.end(), [&](std::size_t i) {
            return people.All()[i].dayKey < todayKey_;
        });
        if (thisYear != order.begin()) {
            AddRecentRows(people, std::span(order.begin(), thisYear));
        } else {
            AddFallbackRows(people, order);
        }
        return std::move(result_);
    }

  private:
    void Place(const SchedulePeople& people, const Candidate& candidate, SchedulePass pass) {
        const Person& person = people.All()[candidate.person];
        const std::string displayName(people.Name(person));
        ComingEntry placed;
        placed.pass = pass;
        ++linkIndex_;
        if (person.dayKey != previousDayKey_) {
            ++linkIndex_;
            cursor_ += pass == SchedulePass::ThisYear ? kNewDayStepThisYear : kNewDayStepNextYear;
            std::string text =
                HeadingText(person, today_.year + (pass == SchedulePass::NextYear ? 1 : 0));
            if (pass == SchedulePass::NextYear)
                text += '.';
            placed.heading = DateHeading{kHeadingLeft, cursor_, std::move(text)};
        } else {
            cursor_ += kSameDayStep;
        }
        cursor_ += kHeadingToNameStep;

        const bool isToday = person.dayKey == todayKey_;
        const int age = AgeOn(person.birth, today_) + (isToday ? 0 : 1);
        // A birthday stored without its year has no age to show, not one of four centuries.
        const bool ageKnown = person.birth.year != kUnknownBirthYear;
        const std::string withAge =
            ageKnown ? displayName + " (" + std::to_string(age) + ".)" : displayName;
        placed.name = {kNameLeft, cursor_, age > 0 ? withAge : displayName,
                       withAge,   isToday, linkIndex_};

        const AddressRecord& record = candidate.record;
        placed.links = MakeLinkRow(record, pass, linkIndex_, cursor_);
        result_.linkEntries.push_back({linkIndex_, GiftUrl(record, age, installationId_),
                                       GreetingUrl(record, pass, installationId_)});
        result_.coming.push_back(std::move(placed));
        previousDayKey_ = person.dayKey;
    }

    // The day and month of a birthday as the print list shows it. Most pictures hold only
    // the day and the month, so the text is made once per day of the year; one with the
    // weekday depends on the year of birth as well.
    void AddDayMonthLine(const Person& person) {
        if (!dayMonthDependsOnDayAlone_) {
            result_.printList.Add(FormatDate(person.birth, patterns_.dayMonth, settings_));
            return;
        }
        std::optional<std::string>& text = dayMonthTexts_[static_cast<std::size_t>(person.dayKey)];
        if (!text)
            text = FormatDate(person.birth, patterns_.dayMonth, settings_);
        result_.printList.Add(*text);
    }

    // The latest birthday before today first; people of one day in the order of the file.
    // `earlier` holds the birthdays before today in calendar order.
    void AddRecentRows(const SchedulePeople& people, std::span<const std::size_t> earlier) {
        std::size_t end = earlier.size();
        std::size_t rows = 0;
        while (end > 0 && rows < kMostRecentRows) {
            const int dayKey = people.All()[earlier[end - 1]].dayKey;
            std::size_t begin = end - 1;
            while (begin > 0 && people.All()[earlier[begin - 1]].dayKey == dayKey)
                --begin;
            for (std::size_t i = begin; i < end && rows < kMostRecentRows; ++i, ++rows) {
                const Person& person = people.All()[earlier[i]];
                const std::string name(people.Name(person));
                recentCursor_ += kRecentStep;
                result_.recent.push_back({kRecentLeft, recentCursor_, kRecentWidth,
                                          HeadingText(person, today_.year) + " " + name, name});
            }
            end = begin;
        }
    }

    // No birthday lies before today: the last ones of the year stand in, from 31 December
    // backwards, although they are still to come.
    void AddFallbackRows(const SchedulePeople& people, const std::vector<std::size_t>& order) {
        const std::size_t count = std::min(order.size(), kMostFallbackRows);
        for (std::size_t i = 0; i < count; ++i) {
            const Person& person = people.All()[order[order.size() - 1 - i]];
            recentCursor_ += kRecentStep;
            result_.recent.push_back(
                {kFallbackLeft, recentCursor_, kRecentWidth,
                 HeadingText(person, today_.year - 1) + ". " + std::string(people.Name(person)),
                 ""});
        }
    }

    // A heading names the day on which the birthday falls in `year`, so its weekday is
    // that day's, not the weekday of the date of birth. A 29 February in a common year is
    // kept on 1 March's weekday, the day it is celebrated at the latest.
    std::string HeadingText(const Person& person, int year) const {
        CivilDate anniversary{year, person.birth.month, person.birth.day};
        if (!IsValidCivilDate(anniversary))
            anniversary = {year, 3, 1};
        return FormatDate(anniversary, "ddd", settings_) + ", " +
               FormatDate(person.birth, patterns_.dayMonth, settings_);
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

class BirthdayScheduleBuilder::State {
  public:
    State(const CivilDate& today, const RegionalSettings& settings, std::string_view installationId)
        : today(today), settings(settings), installationId(installationId), people(DayKey(today)) {}

    const CivilDate today;
    const RegionalSettings& settings;
    const std::string installationId;
    SchedulePeople people;
};

BirthdayScheduleBuilder::BirthdayScheduleBuilder(const CivilDate& today,
                                                 const RegionalSettings& settings,
                                                 std::string_view installationId)
    : state_(std::make_unique<State>(today, settings, installationId)) {}

BirthdayScheduleBuilder::~BirthdayScheduleBuilder() = default;

void BirthdayScheduleBuilder::AddRecords(std::span<const std::byte> records) {
    for (std::size_t at = 0; at + kRecordSize <= records.size(); at += kRecordSize) {
        const RecordView record = records.subspan(at).first<kRecordSize>();
        state_->people.Add(BirthdayValue(record), FieldText(record, kFirstNameField),
                           FieldText(record, kLastNameField),
                           [record] { return DecodeRecord(record); });
    }
}

void BirthdayScheduleBuilder::AddRecord(const AddressRecord& record) {
    state_->people.Add(record.Birthday, record.FirstName, record.LastName,
                       [&record] { return record; });
}

BirthdaySchedule BirthdayScheduleBuilder::Finish() && {
    const std::unique_ptr<State> state = std::move(state_);
    return ScheduleLayout(state->today, state->settings, state->installationId)
        .Build(state->people);
}

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
    BirthdayScheduleBuilder builder(today, settings, installationId);
    for (const AddressRecord& record : records)
        builder.AddRecord(record);
    return std::move(builder).Finish();
}

}  // namespace natalo
