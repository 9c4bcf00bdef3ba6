#include "addressbook/address_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "platform/io_error.h"
#include "support/fake_file_system.h"
#include "support/fake_regional_settings.h"
#include "support/records.h"

namespace natalo {
namespace {

using testing::FakeFileSystem;
using testing::FakeRegionalSettings;
using testing::FileOf;
using testing::Person;

class AddressListTest : public ::testing::Test {
  protected:
    void Load(const std::vector<AddressRecord>& people, std::size_t extraBytes = 0) {
        auto bytes = FileOf(people);
        bytes.resize(bytes.size() + extraBytes, std::byte{9});
        fs.Put("C:\\data.dat", bytes);
        file.OpenDataFile();
    }
    std::vector<std::string> Column(int p) const {
        std::vector<std::string> texts;
        for (std::size_t row = 0; row < list.Size(); ++row)
            texts.push_back(list.Text(row, p));
        return texts;
    }

    FakeFileSystem fs;
    DataFile file{fs, "C:\\"};
    FakeRegionalSettings settings{"dd.MM.yyyy", "."};
    AddressList list;
};

TEST_F(AddressListTest, RowsCarryRecordNumbersAndEverySubItem) {
    AddressRecord r = Person("Anna", "Berg", {1970, 2, 22});
    r.Street = "Weg 1";
    r.Zip = "10115";
    r.City = "Berlin";
    r.Country = "DE";
    r.Phone = "1";
    r.Fax = "2";
    r.Mobile = "3";
    r.Email = "a@b";
    r.Url = "http://x";
    Load({Person("Zoe", "Zander"), r});
    list.Rebuild(file, settings);
    ASSERT_EQ(list.Size(), 2u);
    std::vector<std::string> texts;
    for (int p = -1; p <= 11; ++p)
        texts.push_back(list.Text(0, p));
    EXPECT_EQ(texts, (std::vector<std::string>{"2", "Berg", "Anna", "22.02.1970", "Weg 1", "10115",
                                               "Berlin", "DE", "1", "2", "3", "a@b", "http://x"}));
    EXPECT_EQ(list.Text(0, 12), "");
    EXPECT_EQ(list.Text(2, 0), "");
    EXPECT_EQ(list.RecordIndexOfRow(0), 1);
    EXPECT_EQ(list.RecordIndexOfRow(1), 0);
    EXPECT_EQ(list.RecordIndexOfRow(2), -1);
    EXPECT_EQ(list.RecordIndexOfRow(-1), -1);
}

TEST_F(AddressListTest, DefaultOrderUpperCasesAsciiOnlyThenComparesBytes) {
    Load({Person("1", "Ähm"), Person("2", "bauer"), Person("3", "Adler"), Person("4", "Ad"),
          Person("5", "")});
    list.Rebuild(file, settings);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"", "Ad", "Adler", "bauer", "Ähm"}));
    EXPECT_EQ(CompareLastNames("MÜLLER", "müller"), -1);  // Ü (0xDC) before ü (0xFC)
    EXPECT_EQ(CompareLastNames("berg", "BERG"), 0);
}

// The default order sorts by a number made of the first eight bytes: names that share
// them, run past them, end inside them or hold zero bytes must still come out as a stable
// sort with the byte comparison puts them.
TEST_F(AddressListTest, DefaultOrderIsTheStableOrderOfTheNameComparison) {
    std::mt19937 random(13);
    const std::string letters{'a', 'A', 'b', '\0', '\xE4', '\xC4'};
    std::vector<AddressRecord> people;
    for (int i = 0; i < 600; ++i) {
        std::string name = i % 3 == 0 ? "MUELLERs" : "";
        for (std::size_t n = random() % 11; n > 0; --n)
            name += letters[random() % letters.size()];
        people.push_back(Person(std::to_string(i), name));
    }
    Load(people);
    list.Rebuild(file, settings);
    std::vector<std::size_t> expected(people.size());
    std::iota(expected.begin(), expected.end(), std::size_t{0});
    std::stable_sort(expected.begin(), expected.end(), [&](std::size_t a, std::size_t b) {
        return CompareLastNames(people[a].LastName, people[b].LastName) < 0;
    });
    for (std::size_t row = 0; row < expected.size(); ++row)
        ASSERT_EQ(list.RecordIndexOfRow(static_cast<long>(row)), static_cast<long>(expected[row]))
            << row;
    // A column of equal texts keeps the rows in the order they had, the default one, even
    // when it is sorted before any row was looked at.
    list.Rebuild(file, settings);
    list.SortByColumn(4, settings);
    for (std::size_t row = 0; row < expected.size(); ++row)
        ASSERT_EQ(list.RecordIndexOfRow(static_cast<long>(row)), static_cast<long>(expected[row]))
            << row;
}

TEST_F(AddressListTest, PartialTailKeepsTheWholeRecordsUnsortedAndReportsTheError) {
    Load({Person("1", "Zander"), Person("2", "Adler")}, 100);
    try {
        list.Rebuild(file, settings);
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), kIoReadPastEnd);
    }
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Zander", "Adler"}));
}

TEST_F(AddressListTest, ColumnClicksAlternateDirectionPerColumnAndSurviveRebuilds) {
    Load({Person("A", "L1"), Person("B", "L2"), Person("C", "L3")});
    list.Rebuild(file, settings);
    const int city = 6;
    // Give the rows cities through the file: Bonn, aachen, Celle.
    AddressRecord r = file.ReadRecord(0);
    r.City = "Bonn";
    file.WriteRecord(0, r);
    r = file.ReadRecord(1);
    r.City = "aachen";
    file.WriteRecord(1, r);
    r = file.ReadRecord(2);
    r.City = "Celle";
    file.WriteRecord(2, r);
    list.Rebuild(file, settings);

    list.SortByColumn(city, settings);
    EXPECT_EQ(Column(city - 1), (std::vector<std::string>{"aachen", "Bonn", "Celle"}));
    list.SortByColumn(city, settings);
    EXPECT_EQ(Column(city - 1), (std::vector<std::string>{"Celle", "Bonn", "aachen"}));
    list.SortByColumn(1, settings);  // Last Name: its own flag, ascending first
    EXPECT_EQ(Column(0), (std::vector<std::string>{"L1", "L2", "L3"}));
    list.Rebuild(file, settings);  // default order again, flags kept
    EXPECT_TRUE(list.SortDescending(1));
    list.SortByColumn(city, settings);
    EXPECT_EQ(Column(city - 1), (std::vector<std::string>{"aachen", "Bonn", "Celle"}));
}

TEST_F(AddressListTest, RecordNumberColumnSortsAsText) {
    std::vector<AddressRecord> people;
    for (int i = 0; i < 11; ++i)
        people.push_back(Person("P", "Same"));
    Load(people);
    list.Rebuild(file, settings);
    list.SortByColumn(0, settings);
    EXPECT_EQ(list.Text(0, -1), "1");
    EXPECT_EQ(list.Text(1, -1), "10");
    EXPECT_EQ(list.Text(2, -1), "11");
    EXPECT_EQ(list.Text(3, -1), "2");
}

// The sort makes one key per distinct text instead of comparing pairs: the rows must come
// out exactly as a stable sort with the locale's comparison puts them, ties included,
// also where the locale gives no keys.
TEST_F(AddressListTest, ColumnSortsGiveTheComparisonsOwnOrder) {
    std::mt19937 random(11);
    const std::string letters = "aAbB-' \xE4\xC4";
    std::vector<AddressRecord> people;
    for (int i = 0; i < 400; ++i) {
        AddressRecord r = Person("F" + std::to_string(i), "L" + std::to_string(i % 7));
        for (std::size_t n = random() % 4; n > 0; --n)
            r.City += letters[random() % letters.size()];
        people.push_back(r);
    }
    Load(people);
    for (const bool keys : {true, false}) {
        settings.sortKeys = keys;
        list.Rebuild(file, settings);
        for (const bool descending : {false, true}) {
            std::vector<std::string> expected = Column(5);
            std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
                const int result = settings.CompareText(a, b);
                return (descending ? -result : result) < 0;
            });
            std::vector<long> records;
            for (std::size_t row = 0; row < list.Size(); ++row)
                records.push_back(list.RecordIndexOfRow(static_cast<long>(row)));
            list.SortByColumn(6, settings);
            EXPECT_EQ(Column(5), expected) << keys << descending;
            // Equal cities keep the order the rows had.
            for (std::size_t row = 1; row < list.Size(); ++row) {
                if (list.Text(row, 5) != list.Text(row - 1, 5))
                    continue;
                const auto before = [&](std::size_t r) {
                    return std::find(records.begin(), records.end(),
                                     list.RecordIndexOfRow(static_cast<long>(r)));
                };
                EXPECT_LT(before(row - 1), before(row)) << keys << descending;
            }
        }
    }
}

TEST_F(AddressListTest, BirthdayColumnSortsByDateNotByText) {
    AddressRecord damaged = Person("X", "Damaged");
    damaged.Birthday = std::numeric_limits<double>::quiet_NaN();
    Load({Person("A", "A", {1980, 1, 31}), Person("B", "B", {1975, 12, 1}),
          Person("C", "C", {1990, 2, 5}), damaged});
    list.Rebuild(file, settings);
    list.SortByColumn(kBirthdayColumn, settings);
    EXPECT_EQ(list.Mode(), SortMode::kDate);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"", "01.12.1975", "31.01.1980", "05.02.1990"}));
    list.SortByColumn(kBirthdayColumn, settings);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"05.02.1990", "31.01.1980", "01.12.1975", ""}));
    list.SortByColumn(2, settings);
    EXPECT_EQ(list.Mode(), SortMode::kText);
}

}  // namespace
}  // namespace natalo
