#include "addressbook/data_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "platform/io_error.h"
#include "support/fake_file_system.h"
#include "support/io_error_code.h"
#include "support/records.h"

namespace natalo {
namespace {

using testing::FakeFileSystem;
using testing::FileOf;
using testing::Person;

const std::string kDir = "C:\\Natalo\\";
const std::string kPath = kDir + "data.dat";

class DataFileTest : public ::testing::Test {
  protected:
    std::vector<std::string> FirstNames() {
        std::vector<std::string> names;
        file.ScanRecords(
            [&](std::size_t, const AddressRecord& r) { names.push_back(r.FirstName); });
        return names;
    }

    FakeFileSystem fs;
    DataFile file{fs, kDir};
};

TEST_F(DataFileTest, MissingFileIsCreatedEmptyInTheDirectory) {
    file.OpenDataFile();
    EXPECT_EQ(file.Path(), kPath);
    EXPECT_TRUE(fs.Exists(kPath));
    EXPECT_EQ(file.RecordCount(), 0u);
    EXPECT_TRUE(FirstNames().empty());
}

TEST_F(DataFileTest, OnlyAnEmptyFileIsCreatedAnewAShorterOneIsReportedAndOverwritten) {
    fs.Put(kPath, FakeFileSystem::Bytes{});
    file.OpenDataFile();
    EXPECT_EQ(fs.Content(kPath).size(), 0u);
    for (std::size_t size : {1u, 367u}) {
        const FakeFileSystem::Bytes partial(size, std::byte{7});
        fs.Put(kPath, partial);
        file.OpenDataFile();
        EXPECT_EQ(fs.Content(kPath), partial) << size;
        EXPECT_EQ(file.RecordCount(), 0u);
        EXPECT_EQ(testing::IoErrorCodeOf([&] { FirstNames(); }), kIoReadPastEnd) << size;
        file.WriteRecord(-1, Person("Anna"));
        EXPECT_EQ(fs.Content(kPath), FileOf({Person("Anna")})) << size;
    }
}

TEST_F(DataFileTest, ScratchFileOfAnInterruptedDeletionIsRemovedAtTheNextStart) {
    fs.Put(kPath, FileOf({Person("Anna")}));
    fs.Put(file.ScratchPath(), std::string(500, 'x'));
    file.OpenDataFile();
    EXPECT_FALSE(fs.Exists(file.ScratchPath()));
    EXPECT_EQ(FirstNames(), (std::vector<std::string>{"Anna"}));
}

TEST_F(DataFileTest, ReadOnlyFileIsReadAndEveryChangeIsRefusedWithoutTouchingIt) {
    const auto bytes = FileOf({Person("Anna"), Person("Bernd")});
    fs.Put(kPath, bytes);
    fs.MakeReadOnly(kPath);
    file.OpenDataFile();
    EXPECT_TRUE(file.IsReadOnly());
    EXPECT_EQ(FirstNames(), (std::vector<std::string>{"Anna", "Bernd"}));
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.WriteRecord(-1, Person("C")); }), kIoAccessDenied);
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.WriteRecord(0, Person("C")); }), kIoAccessDenied);
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.DeleteRecord(0); }), kIoAccessDenied);
    file.ResetOpenFile();
    EXPECT_TRUE(file.IsReadOnly());
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.DeleteRecord(1); }), kIoAccessDenied);
    EXPECT_EQ(fs.Content(kPath), bytes);
    EXPECT_FALSE(fs.Exists(file.ScratchPath()));
}

TEST_F(DataFileTest, ExistingRecordsAreKept) {
    fs.Put(kPath, FileOf({Person("Anna"), Person("Bernd")}));
    file.OpenDataFile();
    EXPECT_EQ(file.RecordCount(), 2u);
    EXPECT_EQ(FirstNames(), (std::vector<std::string>{"Anna", "Bernd"}));
    EXPECT_EQ(file.Position(), 2u);
    EXPECT_EQ(file.ReadRecord(1).FirstName, "Bernd");
    EXPECT_EQ(file.Position(), 2u);
    EXPECT_EQ(file.ReadRecord(0).FirstName, "Anna");
    EXPECT_EQ(file.Position(), 1u);
}

TEST_F(DataFileTest, PartialTailIsIgnoredByCountButFailsTheScanAfterWholeRecords) {
    auto bytes = FileOf({Person("Anna"), Person("Bernd")});
    bytes.resize(bytes.size() + 100, std::byte{1});
    fs.Put(kPath, bytes);
    file.OpenDataFile();
    EXPECT_EQ(file.RecordCount(), 2u);
    std::vector<std::string> names;
    EXPECT_EQ(testing::IoErrorCodeOf([&] {
                  file.ScanRecords(
                      [&](std::size_t, const AddressRecord& r) { names.push_back(r.FirstName); });
              }),
              kIoReadPastEnd);
    EXPECT_EQ(names, (std::vector<std::string>{"Anna", "Bernd"}));
    // An append writes over the tail, at the end of the last whole record.
    file.WriteRecord(-1, Person("Clara"));
    EXPECT_EQ(fs.Content(kPath).size(), 3 * kRecordSize);
    EXPECT_EQ(FirstNames(), (std::vector<std::string>{"Anna", "Bernd", "Clara"}));
}

TEST_F(DataFileTest, ScanOfAManyBlockFileVisitsEveryRecordInOrder) {
    std::vector<AddressRecord> people;
    for (int i = 0; i < 10000; ++i)
        people.push_back(Person("P" + std::to_string(i)));
    fs.Put(kPath, FileOf(people));
    file.OpenDataFile();
    std::size_t expected = 0;
    file.ScanRecords([&](std::size_t index, const AddressRecord& r) {
        ASSERT_EQ(index, expected);
        ASSERT_EQ(r.FirstName, "P" + std::to_string(expected));
        ++expected;
    });
    EXPECT_EQ(expected, 10000u);
    EXPECT_LT(fs.reads, 10);
}

TEST_F(DataFileTest, WriteOverwritesOnlyItsRecordAndAppendGrowsByOne) {
    fs.Put(kPath, FileOf({Person("Anna"), Person("Bernd"), Person("Clara")}));
    file.OpenDataFile();
    const auto before = fs.Content(kPath);
    file.WriteRecord(1, Person("Berta"));
    const auto after = fs.Content(kPath);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i < kRecordSize || i >= 2 * kRecordSize) {
            ASSERT_EQ(before[i], after[i]) << i;
        }
    }
    file.WriteRecord(-1, Person("Dora"));
    EXPECT_EQ(FirstNames(), (std::vector<std::string>{"Anna", "Berta", "Clara", "Dora"}));
}

TEST_F(DataFileTest, DeleteMovesLaterRecordsDownInOrder) {
    fs.Put(kPath, FileOf({Person("A"), Person("B"), Person("C"), Person("D")}));
    file.OpenDataFile();
    file.DeleteRecord(1);
    EXPECT_EQ(FirstNames(), (std::vector<std::string>{"A", "C", "D"}));
    file.DeleteRecord(2);  // the last: only truncates
    EXPECT_EQ(FirstNames(), (std::vector<std::string>{"A", "C"}));
    file.DeleteRecord(0);
    EXPECT_EQ(FirstNames(), (std::vector<std::string>{"C"}));
    file.DeleteRecord(0);
    EXPECT_EQ(fs.Content(kPath).size(), 0u);
}

TEST_F(DataFileTest, DeleteMovesTheExactBytesFillersIncluded) {
    std::mt19937 random(7);
    FakeFileSystem::Bytes bytes(9000 * kRecordSize);
    for (auto& b : bytes)
        b = static_cast<std::byte>(random());
    fs.Put(kPath, bytes);
    file.OpenDataFile();
    const int writesBefore = fs.writes;
    file.DeleteRecord(3);
    FakeFileSystem::Bytes expected(bytes.begin(), bytes.begin() + 3 * kRecordSize);
    expected.insert(expected.end(), bytes.begin() + 4 * kRecordSize, bytes.end());
    EXPECT_EQ(fs.Content(kPath), expected);
    EXPECT_LT(fs.writes - writesBefore, 10);  // blocks, not one write per record
}

TEST_F(DataFileTest, DeleteBeyondTheEndChangesNothing) {
    fs.Put(kPath, FileOf({Person("A"), Person("B")}));
    file.OpenDataFile();
    const auto before = fs.Content(kPath);
    file.DeleteRecord(5);
    EXPECT_EQ(fs.Content(kPath), before);
}

// Every change a deletion or an append makes (writes, flush, truncation, replacement)
// fails in turn, one per run: the data file then holds exactly the old records or exactly
// the new ones, stays open, and no scratch file is left.
class DataFileFaultTest : public DataFileTest {
  protected:
    void ExpectOldOrNewAfterEveryFailure(const FakeFileSystem::Bytes& before,
                                         const std::function<void()>& change,
                                         const FakeFileSystem::Bytes& after) {
        int failures = 0;
        for (int n = 1;; ++n) {
            fs.Put(kPath, before);
            file.OpenDataFile();
            const int changesBefore = fs.changes;
            fs.FailChange(n);
            const int code = testing::IoErrorCodeOf(change);
            const bool failed = fs.changes - changesBefore >= n;
            const auto content = fs.Content(kPath);
            if (!failed) {
                EXPECT_EQ(code, 0);
                EXPECT_TRUE(content == after) << "no failure, yet not the new records";
                EXPECT_EQ(fs.unflushedReplacements, 0) << "replaced by data not yet on disk";
                break;
            }
            ++failures;
            EXPECT_NE(code, 0) << "change " << n << " failed unreported";
            EXPECT_TRUE(content == before || content == after) << "change " << n << " mixed";
            EXPECT_FALSE(fs.Exists(file.ScratchPath())) << n;
            EXPECT_TRUE(file.IsOpen()) << n;
            EXPECT_EQ(file.RecordCount() * kRecordSize, content.size()) << n;
        }
        EXPECT_GE(failures, 1);
        fs.FailChange(0);
    }

    static FakeFileSystem::Bytes Without(FakeFileSystem::Bytes bytes, std::size_t index) {
        const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(index * kRecordSize);
        bytes.erase(at, at + kRecordSize);
        return bytes;
    }
};

TEST_F(DataFileFaultTest, DeletionOfAnyRecordOfAManyBlockFile) {
    std::vector<AddressRecord> people;
    for (int i = 0; i < 9000; ++i)
        people.push_back(Person("P" + std::to_string(i)));
    const auto before = FileOf(people);
    for (std::size_t index : {0u, 4500u, 8999u}) {
        SCOPED_TRACE(index);
        ExpectOldOrNewAfterEveryFailure(
            before, [&] { file.DeleteRecord(index); }, Without(before, index));
    }
}

TEST_F(DataFileFaultTest, AppendAfterWholeRecordsAndAfterAPartialTail) {
    const auto old = FileOf({Person("Anna"), Person("Bernd")});
    const auto grown = FileOf({Person("Anna"), Person("Bernd"), Person("Clara")});
    ExpectOldOrNewAfterEveryFailure(
        old, [&] { file.WriteRecord(-1, Person("Clara")); }, grown);
    // A failed append cuts the tail with the partial record: the old whole records stay.
    auto withTail = old;
    withTail.resize(withTail.size() + 100, std::byte{1});
    fs.Put(kPath, withTail);
    file.OpenDataFile();
    fs.FailChange(1);
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.WriteRecord(-1, Person("Clara")); }), kIoDiskFull);
    EXPECT_EQ(fs.Content(kPath), old);
    EXPECT_EQ(FirstNames(), (std::vector<std::string>{"Anna", "Bernd"}));
}

TEST_F(DataFileFaultTest, RefusedScratchFileLeavesTheDataFileAsItWas) {
    const auto before = FileOf({Person("Anna"), Person("Bernd")});
    fs.Put(kPath, before);
    file.OpenDataFile();
    fs.RefuseOpen(file.ScratchPath(), kIoAccessDenied);
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.DeleteRecord(0); }), kIoAccessDenied);
    EXPECT_EQ(fs.Content(kPath), before);
    EXPECT_EQ(file.ReadRecord(0).FirstName, "Anna");
}

TEST_F(DataFileTest, RefusedOpenLeavesTheFileClosedAndLaterOperationsFailWith103) {
    fs.Put(kPath, FileOf({Person("A")}));
    fs.RefuseOpen(kPath, kIoAccessDenied);
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.OpenDataFile(); }), kIoAccessDenied);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(
        testing::IoErrorCodeOf([&] { file.ScanRecords([](std::size_t, const AddressRecord&) {}); }),
        kIoFileNotOpen);
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.ReadRecord(0); }), kIoFileNotOpen);
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.WriteRecord(-1, Person("B")); }), kIoFileNotOpen);
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.DeleteRecord(0); }), kIoFileNotOpen);
    EXPECT_EQ(fs.Content(kPath), FileOf({Person("A")}));
}

TEST_F(DataFileTest, VanishedFileFailsTheReopenWithFileNotFound) {
    file.OpenDataFile();
    file.WriteRecord(-1, Person("A"));
    fs.Remove(kPath);
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.ResetOpenFile(); }), kIoFileNotFound);
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(DataFileTest, ShortWriteFailsWithDiskFullAndKeepsEarlierRecords) {
    fs.Put(kPath, FileOf({Person("A")}));
    file.OpenDataFile();
    fs.LimitFileSize(kRecordSize + 100);
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.WriteRecord(-1, Person("B")); }), kIoDiskFull);
    fs.LimitFileSize(std::nullopt);
    EXPECT_EQ(file.ReadRecord(0).FirstName, "A");
}

TEST_F(DataFileTest, ReadPastTheEndFails) {
    fs.Put(kPath, FileOf({Person("A")}));
    file.OpenDataFile();
    EXPECT_EQ(testing::IoErrorCodeOf([&] { file.ReadRecord(1); }), kIoReadPastEnd);
}

}  // namespace
}  // namespace natalo
