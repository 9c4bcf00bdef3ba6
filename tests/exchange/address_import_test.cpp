#include "exchange/address_import.h"

#include <gtest/gtest.h>

#include "exchange/import_line.h"
#include "platform/io_error.h"
#include "support/fake_file_system.h"
#include "support/fake_regional_settings.h"
#include "support/recording_view.h"
#include "support/records.h"

namespace natalo {
namespace {

using testing::FakeFileSystem;
using testing::FakeRegionalSettings;
using testing::FileOf;
using testing::Person;

const std::string kDataPath = "D:\\data.dat";
const CivilDate kToday{2026, 12, 8};

class ImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs.Put(kDataPath, FileOf({Person("Old")}));
        file.OpenDataFile();
    }
    std::size_t Import(std::string_view text) {
        return ImportAddresses(text, book, settings, kToday);
    }
    std::vector<AddressRecord> Records() {
        std::vector<AddressRecord> records;
        file.ScanRecords([&](std::size_t, const AddressRecord& r) { records.push_back(r); });
        return records;
    }

    FakeFileSystem fs;
    DataFile file{fs, "D:\\"};
    testing::RecordingView view;
    AddressBook book{file, view};
    FakeRegionalSettings settings{"dd.MM.yyyy", "."};
};

TEST_F(ImportTest, TheAnnaBergLineBecomesOneAppendedRecord) {
    EXPECT_EQ(Import("Anna;Berg;03.04.1971;w;Hauptstr. 1;12345;Bonn;Deutschland;0228 1;;0171 2;;;"),
              1u);
    const auto records = Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].FirstName, "Old");
    const AddressRecord expected{
        "Berg",   "Anna", "Hauptstr. 1", "12345", "Bonn", "Deutschland",
        "0228 1", "",     "0171 2",      "",      "",     DateValue({1971, 4, 3}),
        "w"};
    EXPECT_EQ(records[1], expected);
}

TEST_F(ImportTest, SaveCutsTextsToTheRecordFields) {
    Import(std::string(40, 'A') + ";" + std::string(31, 'B') + ";;male;" + std::string(60, 'S'));
    const AddressRecord r = Records().back();
    EXPECT_EQ(r.FirstName, std::string(30, 'A'));
    EXPECT_EQ(r.LastName, std::string(30, 'B'));
    EXPECT_EQ(r.Gender, "m");
    EXPECT_EQ(r.Street, std::string(50, 'S'));
    EXPECT_EQ(r.Birthday, NoBirthdayValue());
}

TEST_F(ImportTest, OneRecordPerNonEmptyLineInLineOrder) {
    const std::string text =
        "First Name;LastName;Birthday;Gender;Address;ZIP;City;Country;Tel;Fax;Mobile;email;Url;"
        "\r\n\r\nAnna;Berg\n\n\"Berg; Anna\";x\r \r\n";
    EXPECT_EQ(Import(text), 4u);
    const auto records = Records();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[1].FirstName, "First Name");
    EXPECT_EQ(records[1].LastName, "LastName");
    EXPECT_EQ(records[1].Gender, "G");
    EXPECT_EQ(records[1].Birthday, NoBirthdayValue());
    EXPECT_EQ(records[2].FirstName, "Anna");
    EXPECT_EQ(records[3].FirstName, "\"Berg");
    EXPECT_EQ(records[3].LastName, " Anna\"");
    EXPECT_EQ(records[3].Birthday, NoBirthdayValue());  // "x" moved up into the birthday
    EXPECT_EQ(records[4].FirstName, " ");               // a line of blanks is a person
}

TEST_F(ImportTest, OnlyEmptyLinesImportNothing) {
    EXPECT_EQ(Import("\r\n\r\n\n"), 0u);
    EXPECT_EQ(Import(""), 0u);
    EXPECT_EQ(Records().size(), 1u);
}

TEST_F(ImportTest, ImportingTwiceGivesEveryPersonTwice) {
    const std::string text = "Anna;Berg\r\nBernd;Kurz\r\n";
    Import(text);
    Import(text);
    const auto records = Records();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[1], records[3]);
    EXPECT_EQ(records[2], records[4]);
    EXPECT_EQ(records[2].FirstName, "Bernd");
}

TEST_F(ImportTest, EachSaveSkipsTheListRebuildAndReopensTheFile) {
    book.RecordIndex = 0;  // left over from an earlier Change
    PrepareImport(book);
    EXPECT_EQ(book.RecordIndex, -1);
    EXPECT_EQ(file.Position(), 1u);
    const int opensBefore = fs.opens;
    Import("a\r\nb\r\nc");
    EXPECT_EQ(view.refreshes, 0);
    EXPECT_EQ(view.shown.size(), 3u);
    EXPECT_EQ(fs.opens, opensBefore + 3);
    EXPECT_TRUE(book.RefreshAfterSave);
    EXPECT_EQ(book.RecordIndex, -1);
    EXPECT_EQ(Records()[0].FirstName, "Old");  // appended, nothing overwritten
}

TEST_F(ImportTest, AWriteFailureStopsAtThatLineAndKeepsTheEarlierRecords) {
    fs.LimitFileSize(3 * kRecordSize);
    EXPECT_THROW(Import("a\r\nb\r\nc\r\nd"), EInOutError);
    fs.LimitFileSize(std::nullopt);
    EXPECT_TRUE(book.RefreshAfterSave);
    file.OpenDataFile();
    const auto records = Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].FirstName, "a");
    EXPECT_EQ(records[2].FirstName, "b");
}

// An import that stopped (a full disk, a file that could not be reopened, the user)
// says how far it got; importing the rest of the text then saves every line once.
TEST_F(ImportTest, TheRestOfAStoppedImportContinuesWithoutDoubles) {
    const std::string text = "\r\na\r\n\r\nb\r\nc\r\n\r\nd\r\n";
    ImportProgress progress;
    fs.LimitFileSize(3 * kRecordSize + 16);  // room for a and b, and a part of c
    EXPECT_THROW(ImportAddresses(text, book, settings, kToday, progress, {}), EInOutError);
    EXPECT_EQ(progress.saved, 2u);
    EXPECT_EQ(progress.lines, 4u);
    EXPECT_EQ(text.substr(progress.restStart), "c\r\n\r\nd\r\n");
    EXPECT_EQ(SavedLinesText(progress), "2 von 4 Zeilen gespeichert.");
    fs.LimitFileSize(std::nullopt);

    // The next save's reopen fails after its record was written: that line counts.
    fs.RefuseOpen(kDataPath, kIoAccessDenied);
    const std::string rest = text.substr(progress.restStart);
    EXPECT_THROW(ImportAddresses(rest, book, settings, kToday, progress, {}), EInOutError);
    EXPECT_EQ(progress.saved, 1u);
    EXPECT_EQ(rest.substr(progress.restStart), "d\r\n");
    fs.AllowOpen(kDataPath);
    file.OpenDataFile();

    std::vector<std::size_t> askedAt;
    const std::string last = rest.substr(progress.restStart);
    EXPECT_TRUE(
        ImportAddresses(last, book, settings, kToday, progress, [&](const ImportProgress& p) {
            askedAt.push_back(p.saved);
            return true;
        }));
    EXPECT_EQ(askedAt, (std::vector<std::size_t>{0}));
    EXPECT_EQ(progress.restStart, last.size());
    std::vector<std::string> names;
    for (const AddressRecord& r : Records())
        names.push_back(r.FirstName);
    EXPECT_EQ(names, (std::vector<std::string>{"Old", "a", "b", "c", "d"}));
}

TEST_F(ImportTest, StoppedBetweenTwoLinesItKeepsTheRestForLater) {
    const std::string text = "a\r\nb\r\nc\r\n";
    ImportProgress progress;
    EXPECT_FALSE(ImportAddresses(text, book, settings, kToday, progress,
                                 [](const ImportProgress& p) { return p.saved < 2; }));
    EXPECT_EQ(progress.saved, 2u);
    EXPECT_EQ(text.substr(progress.restStart), "c\r\n");
    EXPECT_EQ(Records().size(), 3u);
    EXPECT_TRUE(book.RefreshAfterSave);
}

TEST_F(ImportTest, ReopenFailureAfterTheFirstRecordEndsTheImport) {
    fs.RefuseOpen(kDataPath, kIoAccessDenied);
    try {
        Import("a\r\nb");
        FAIL() << "the import went on";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), kIoAccessDenied);
    }
    fs.AllowOpen(kDataPath);
    file.OpenDataFile();
    ASSERT_EQ(Records().size(), 2u);
    EXPECT_EQ(Records()[1].FirstName, "a");
}

TEST_F(ImportTest, TheSameListAsAnsiOrUtf8GivesTheSameRecords) {
    const std::string ansi = "Jürgen;Müller;01.02.1961;m;Hauptstraße 12;;München\r\n";
    const std::string utf8 =
        "J\xC3\xBCrgen;M\xC3\xBCller;01.02.1961;m;Hauptstra\xC3\x9F"
        "e 12;;M\xC3\xBCnchen\r\n";
    const std::string paths[] = {"D:\\ansi.txt", "D:\\bom.txt", "D:\\utf8.txt"};
    fs.Put(paths[0], ansi);
    fs.Put(paths[1], "\xEF\xBB\xBF" + utf8);
    fs.Put(paths[2], utf8);
    for (const std::string& path : paths) {
        Import(ReadImportFile(fs, path, Windows1252Converter()).text);
    }
    const auto records = Records();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].FirstName, "Jürgen");
    EXPECT_EQ(records[1].City, "München");
    EXPECT_EQ(records[1].Street, "Hauptstraße 12");
    EXPECT_EQ(records[1].Birthday, DateValue({1961, 2, 1}));
    EXPECT_EQ(records[2], records[1]);
    EXPECT_EQ(records[3], records[1]);
}

TEST_F(ImportTest, AnUnreadableFileThrows) {
    EXPECT_THROW(ReadImportFile(fs, "D:\\missing.txt", Windows1252Converter()), EInOutError);
    fs.Put("D:\\locked.txt", std::string("x"));
    fs.RefuseOpen("D:\\locked.txt", 32);
    EXPECT_THROW(ReadImportFile(fs, "D:\\locked.txt", Windows1252Converter()), EInOutError);
}

TEST_F(ImportTest, BinaryAndHugeInputImportWithoutACrash) {
    std::string binary;
    for (int i = 1; i < 256 * 64; ++i)
        binary += static_cast<char>(i % 255 + 1);
    fs.Put("D:\\binary.bin", binary);
    const ImportFileText text = ReadImportFile(fs, "D:\\binary.bin", Windows1252Converter());
    EXPECT_FALSE(text.endedAtNul);
    EXPECT_GT(Import(text.text), 0u);

    const std::string longLine = "Anna;" + std::string(100000, 'B') + ";03.04.1971\r\nCarl\r\n";
    EXPECT_EQ(Import(longLine), 2u);
    const auto records = Records();
    EXPECT_EQ(records[records.size() - 2].LastName, std::string(30, 'B'));
    EXPECT_EQ(records.back().FirstName, "Carl");
}

// Each line costs the same few file operations however long the file has grown: the
// import does not read the data file back.
TEST_F(ImportTest, FileOperationsGrowByAFixedAmountPerLine) {
    std::string text;
    for (int i = 0; i < 2000; ++i) {
        text += "Anna" + std::to_string(i) + ";Berg;03.04.1971;f;Hauptstr. 1;12345;Bonn;\r\n";
    }
    const int opens = fs.opens, writes = fs.writes, reads = fs.reads;
    EXPECT_EQ(Import(text), 2000u);
    EXPECT_EQ(fs.opens - opens, 2000);  // the file is opened again after each write
    EXPECT_EQ(fs.writes - writes, 2000);
    EXPECT_EQ(fs.reads - reads, 0);
    EXPECT_EQ(view.refreshes, 0);
    const auto records = Records();
    ASSERT_EQ(records.size(), 2001u);
    EXPECT_EQ(records.back().FirstName, "Anna1999");
}

}  // namespace
}  // namespace natalo
