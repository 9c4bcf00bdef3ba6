#include "app/demo_people.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace natalo {
namespace {

int CountIf(const std::vector<AddressRecord>& people, auto predicate) {
    return static_cast<int>(std::count_if(people.begin(), people.end(), predicate));
}

TEST(DemoPeople, ShowTheProgramAtWorkOnAnyDay) {
    for (const CivilDate today : {CivilDate{2026, 12, 8}, CivilDate{2027, 12, 30},
                                  CivilDate{2028, 2, 28}, CivilDate{2027, 1, 1}}) {
        const auto people = DemoPeople(today);
        EXPECT_GE(people.size(), 25u);
        auto born = [](const AddressRecord& r) { return *DateFromValue(r.Birthday); };
        auto onDay = [&](const CivilDate& day) {
            return CountIf(people, [&](const AddressRecord& r) {
                return born(r).month == day.month && born(r).day == day.day;
            });
        };
        EXPECT_GE(onDay(today), 2) << today.month << "/" << today.day;
        for (const AddressRecord& r : people) {
            ASSERT_TRUE(DateFromValue(r.Birthday));
            EXPECT_TRUE(IsValidCivilDate(born(r)));
            EXPECT_LT(born(r).year, today.year);
        }
        EXPECT_GE(CountIf(people,
                          [&](const AddressRecord& r) {
                              return born(r).month == 2 && born(r).day == 29;
                          }),
                  1);
        EXPECT_GE(CountIf(people, [](const AddressRecord& r) { return r.Email.empty(); }), 3);
        EXPECT_GE(CountIf(people, [](const AddressRecord& r) { return r.Mobile.empty(); }), 3);
        EXPECT_GE(CountIf(people,
                          [](const AddressRecord& r) {
                              return r.LastName.find_first_of("äöüÄÖÜß") != std::string::npos;
                          }),
                  3);
    }
}

}  // namespace
}  // namespace natalo
