#include "exchange/import_line.h"

#include <gtest/gtest.h>

#include "support/fake_regional_settings.h"

namespace natalo {
namespace {

using testing::FakeRegionalSettings;

TEST(mySplit, FieldsBetweenSeparatorsWithAnImpliedOneAtTheEnd) {
    EXPECT_EQ(mySplit("a;b", ';', 1), "a");
    EXPECT_EQ(mySplit("a;b", ';', 2), "b");
    EXPECT_EQ(mySplit("a;b", ';', 3), "");
    EXPECT_EQ(mySplit("a;b;", ';', 2), "b");
    EXPECT_EQ(mySplit("a;b;", ';', 3), "");
    EXPECT_EQ(mySplit("a;b;;c", ';', 3), "");
    EXPECT_EQ(mySplit("a;b;;c", ';', 4), "c");
    EXPECT_EQ(mySplit(";x", ';', 1), "");
    EXPECT_EQ(mySplit("", ';', 1), "");
    EXPECT_EQ(mySplit("a;b", ';', 0), "");
    EXPECT_EQ(mySplit("a;b", ';', -1), "");
    EXPECT_EQ(mySplit("a,b;c", ',', 2), "b;c");
}

TEST(mySplit, NoQuotingAndNoTrimming) {
    const std::string line = "\"Berg; Anna\"; x ;\t";
    EXPECT_EQ(mySplit(line, ';', 1), "\"Berg");
    EXPECT_EQ(mySplit(line, ';', 2), " Anna\"");
    EXPECT_EQ(mySplit(line, ';', 3), " x ");
    EXPECT_EQ(mySplit(line, ';', 4), "\t");
}

TEST(mySplit, ReadsOnlyTheFirst4096CharactersOfALine) {
    const std::string line = std::string(4094, 'a') + ";bc;d";
    EXPECT_EQ(mySplit(line, ';', 2), "b");
    EXPECT_EQ(mySplit(line, ';', 3), "");
    EXPECT_EQ(mySplit(std::string(5000, 'x'), ';', 1), std::string(4096, 'x'));
}

TEST(SplitImportLine, AgreesWithmySplitAndStopsAtThirteenFields) {
    std::string line;
    for (int i = 1; i <= 20; ++i)
        line += "f" + std::to_string(i) + ";";
    const auto fields = SplitImportLine(line);
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(fields[i - 1], mySplit(line, ';', i));
        EXPECT_EQ(fields[i - 1], "f" + std::to_string(i));
    }
    const auto few = SplitImportLine("x");
    EXPECT_EQ(few[0], "x");
    EXPECT_EQ(few[12], "");
}

class PendingAddressFromLineTest : public ::testing::Test {
  protected:
    AddressRecord FromLine(std::string_view line) {
        return PendingAddressFromLine(line, ShortDateParser(settings, {2026, 12, 8}));
    }
    FakeRegionalSettings settings{"dd.MM.yyyy", "."};
};

TEST_F(PendingAddressFromLineTest, EveryFieldGoesToItsPlace) {
    const AddressRecord r = FromLine("F;L;03.04.1971;w;S;Z;C;Co;P;Fx;M;E;U;extra");
    EXPECT_EQ(r.FirstName, "F");
    EXPECT_EQ(r.LastName, "L");
    EXPECT_EQ(r.Birthday, DateValue({1971, 4, 3}));
    EXPECT_EQ(r.Gender, "w");
    EXPECT_EQ(r.Street, "S");
    EXPECT_EQ(r.Zip, "Z");
    EXPECT_EQ(r.City, "C");
    EXPECT_EQ(r.Country, "Co");
    EXPECT_EQ(r.Phone, "P");
    EXPECT_EQ(r.Fax, "Fx");
    EXPECT_EQ(r.Mobile, "M");
    EXPECT_EQ(r.Email, "E");
    EXPECT_EQ(r.Url, "U");
}

TEST_F(PendingAddressFromLineTest, AnythingButAWholeDateGivesTheYear2999) {
    EXPECT_EQ(NoBirthdayValue(), DateValue({2999, 1, 1}));
    for (const char* line : {"Anna;Berg", "Anna;Berg;31.02.1971", "Anna;Berg;;",
                             "First Name;LastName;Birthday;Gender;Address;ZIP;City;Country;"
                             "Tel;Fax;Mobile;email;Url;",
                             "Anna;Berg;4/3/1971", "Anna;Berg;03.04.1971 x"}) {
        EXPECT_EQ(FromLine(line).Birthday, NoBirthdayValue()) << line;
    }
    settings.SetShortDateFormat("M/d/yyyy", "/");
    EXPECT_EQ(FromLine("Anna;Berg;4/3/1971").Birthday, DateValue({1971, 4, 3}));
}

TEST_F(PendingAddressFromLineTest, TextsStayWholeForSaveToCut) {
    const AddressRecord r = FromLine(std::string(40, 'A') + ";Berg;;male");
    EXPECT_EQ(r.FirstName.size(), 40u);
    EXPECT_EQ(r.Gender, "male");
}

}  // namespace
}  // namespace natalo
