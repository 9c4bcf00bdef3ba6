#include "exchange/export_line.h"

#include <gtest/gtest.h>

#include <limits>

#include "exchange/import_line.h"
#include "support/fake_regional_settings.h"
#include "support/records.h"

namespace natalo {
namespace {

using testing::FakeRegionalSettings;
using testing::Person;

TEST(ExportLine, ThirteenFieldsEachFollowedByTheSeparator) {
    const FakeRegionalSettings settings("dd.MM.yyyy", ".");
    AddressRecord anna = Person("Anna", "Berg", {1971, 4, 3}, "w");
    anna.City = "Bonn";
    EXPECT_EQ(ExportLine(anna, settings), "Anna;Berg;03.04.1971;w;;;Bonn;;;;;;;");

    const AddressRecord all{
        "L", "F", "S", "Z", "C", "Co", "P", "Fx", "M", "E", "U", DateValue({1971, 4, 3}), "m"};
    EXPECT_EQ(ExportLine(all, settings), "F;L;03.04.1971;m;S;Z;C;Co;P;Fx;M;E;U;");
}

TEST(ExportLine, DatesFollowTheUserFormat) {
    FakeRegionalSettings settings("M/d/yyyy", "/");
    AddressRecord r = Person("Anna", "Berg", {1971, 4, 3}, "");
    EXPECT_EQ(ExportLine(r, settings), "Anna;Berg;4/3/1971;;;;;;;;;;;");
    r.Birthday = NoBirthdayValue();
    settings.SetShortDateFormat("dd.MM.yyyy", ".");
    EXPECT_EQ(ExportLine(r, settings), "Anna;Berg;01.01.2999;;;;;;;;;;;");
    // A damaged value from the file gives no date rather than a crash.
    r.Birthday = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(ExportLine(r, settings), "Anna;Berg;;;;;;;;;;;;");
}

TEST(ExportLine, TextsAreWrittenUnchanged) {
    const FakeRegionalSettings settings("dd.MM.yyyy", ".");
    const AddressRecord r = Person(" \"Anna; B.\" ", "Müller", {1971, 4, 3}, "m");
    EXPECT_EQ(ExportLine(r, settings), " \"Anna; B.\" ;Müller;03.04.1971;m;;;;;;;;;;");
}

TEST(ExportLine, ImportReadsTheLineBackIntoTheSameRecord) {
    const FakeRegionalSettings settings("dd.MM.yyyy", ".");
    const AddressRecord all{"Berg",   "Anna",    "Hauptstr. 1", "12345",
                            "Bonn",   "Germany", "0228 1",      "0228 2",
                            "0171 2", "a@b.de",  "http://x",    DateValue({1971, 4, 3}),
                            "f"};
    const ShortDateParser dates(settings, {2026, 12, 8});
    EXPECT_EQ(PendingAddressFromLine(ExportLine(all, settings), dates), all);
}

}  // namespace
}  // namespace natalo
