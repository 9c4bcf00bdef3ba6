#include "exchange/address_export.h"

#include <gtest/gtest.h>

#include "addressbook/address_book.h"
#include "exchange/address_import.h"
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
using testing::TextOf;

const std::string kDataPath = "D:\\data.dat";
const std::string kExportPath = "C:\\export.txt";

class ExportTest : public ::testing::Test {
  protected:
    void Open(const std::vector<AddressRecord>& records) {
        fs.Put(kDataPath, FileOf(records));
        file.OpenDataFile();
    }
    void Export() { ExportAddresses(file, settings, fs, kExportPath); }

    FakeFileSystem fs;
    DataFile file{fs, "D:\\"};
    FakeRegionalSettings settings{"dd.MM.yyyy", "."};
};

TEST_F(ExportTest, OneCrLfLinePerRecordInFileOrder) {
    AddressRecord anna = Person("Anna", "Berg", {1971, 4, 3}, "w");
    anna.City = "Bonn";
    Open({anna, Person("Bernd", "Kurz", {1980, 12, 24}, "m")});
    Export();
    EXPECT_EQ(TextOf(fs.Content(kExportPath)),
              "Anna;Berg;03.04.1971;w;;;Bonn;;;;;;;\r\n"
              "Bernd;Kurz;24.12.1980;m;;;;;;;;;;\r\n");
    EXPECT_EQ(file.Position(), 2u);
}

TEST_F(ExportTest, AnEmptyDataFileGivesAnEmptyFileReplacingTheOldOne) {
    fs.Put(kExportPath, std::string("old content"));
    fs.Put(kDataPath, FakeFileSystem::Bytes{});
    file.OpenDataFile();
    Export();
    ASSERT_TRUE(fs.Exists(kExportPath));
    EXPECT_TRUE(fs.Content(kExportPath).empty());
}

TEST_F(ExportTest, AReadErrorOfTheDataFileWritesNoFile) {
    auto bytes = FileOf({Person("Anna")});
    bytes.resize(bytes.size() + 100);  // a partial record at the end
    fs.Put(kDataPath, bytes);
    file.OpenDataFile();
    EXPECT_THROW(Export(), EInOutError);
    EXPECT_FALSE(fs.Exists(kExportPath));
}

TEST_F(ExportTest, FailuresOfTheExportFileThrow) {
    Open({Person("Anna")});
    fs.RefuseOpen(kExportPath, kIoAccessDenied);
    EXPECT_THROW(Export(), EInOutError);
    fs.AllowOpen(kExportPath);
    fs.LimitFileSize(10);
    try {
        Export();
        FAIL() << "a full disk went unnoticed";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), kIoDiskFull);
    }
}

TEST_F(ExportTest, ExportThenImportAppendsAnEqualCopyOfEveryPerson) {
    AddressRecord full{"Müller",
                       "Jürgen",
                       "Hauptstraße 12",
                       "80331",
                       "München",
                       "Germany",
                       "089 1",
                       "089 2",
                       "0171 3",
                       "j@example.de",
                       "http://example.de",
                       DateValue({1961, 2, 1}),
                       "m"};
    AddressRecord noDate = Person("Anna", "Berg", {1971, 4, 3}, "");
    noDate.Birthday = DateValue({2999, 1, 1});
    Open({full, noDate});
    Export();

    testing::RecordingView view;
    AddressBook book(file, view);
    PrepareImport(book);
    ImportAddresses(TextOf(fs.Content(kExportPath)), book, settings, {2026, 12, 8});
    std::vector<AddressRecord> records;
    file.ScanRecords([&](std::size_t, const AddressRecord& r) { records.push_back(r); });
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[2], full);
    EXPECT_EQ(records[3], noDate);
}

// The data file is read in large blocks, not record by record, and the list file written
// in one go.
TEST_F(ExportTest, ManyRecordsAreReadInBlocksAndWrittenAtOnce) {
    std::vector<AddressRecord> records(10000, Person("Anna", "Berg", {1971, 4, 3}, "f"));
    records.back().FirstName = "Zoe";
    Open(records);
    const int opens = fs.opens, writes = fs.writes, reads = fs.reads;
    Export();
    EXPECT_EQ(fs.opens - opens, 1);
    EXPECT_EQ(fs.writes - writes, 1);
    EXPECT_LE(fs.reads - reads, 3);
    const std::string text = TextOf(fs.Content(kExportPath));
    const std::size_t lineSize = std::string("Anna;Berg;03.04.1971;f;;;;;;;;;;\r\n").size();
    EXPECT_EQ(text.size(), 10000u * lineSize - 1);  // "Zoe" is one shorter than "Anna"
    EXPECT_TRUE(text.ends_with("\r\nZoe;Berg;03.04.1971;f;;;;;;;;;;\r\n"));
}

}  // namespace
}  // namespace natalo
