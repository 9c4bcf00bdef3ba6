#include "addressbook/address_book.h"

#include <gtest/gtest.h>

#include "platform/io_error.h"
#include "support/fake_file_system.h"
#include "support/recording_view.h"
#include "support/records.h"

namespace natalo {
namespace {

using testing::FakeFileSystem;
using testing::FileOf;
using testing::Person;

const std::string kPath = "D:\\data.dat";

class AddressBookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs.Put(kPath, FileOf({Person("Anna"), Person("Bernd")}));
        file.OpenDataFile();
    }
    std::string FirstNameAt(std::size_t i) { return file.ReadRecord(i).FirstName; }

    FakeFileSystem fs;
    DataFile file{fs, "D:\\"};
    testing::RecordingView view{[this] { return fs.Content(kPath).size(); }};
    AddressBook book{file, view};
};

TEST_F(AddressBookTest, SaveAppendsShowsTheCutRecordBeforeWritingAndRefreshes) {
    book.Pending = Person("Clara", std::string(31, 'L'));
    const int opensBefore = fs.opens;
    book.Save();
    ASSERT_EQ(view.shown.size(), 1u);
    EXPECT_EQ(view.shown[0].LastName, std::string(30, 'L'));
    EXPECT_EQ(view.sizeWhenShown, 2 * kRecordSize);
    EXPECT_EQ(file.RecordCount(), 3u);
    EXPECT_EQ(FirstNameAt(2), "Clara");
    EXPECT_EQ(view.refreshes, 1);
    EXPECT_EQ(fs.opens, opensBefore + 1);  // reopened after the write
    EXPECT_EQ(book.RecordIndex, -1);
    EXPECT_EQ(book.Pending.LastName, std::string(31, 'L'));  // the pending address stays
}

TEST_F(AddressBookTest, SaveAtAnIndexOverwritesThatRecord) {
    book.Pending = Person("Berta");
    book.RecordIndex = 1;
    book.Save();
    EXPECT_EQ(file.RecordCount(), 2u);
    EXPECT_EQ(FirstNameAt(0), "Anna");
    EXPECT_EQ(FirstNameAt(1), "Berta");
    EXPECT_EQ(book.RecordIndex, -1);
}

TEST_F(AddressBookTest, ClearedRefreshFlagSkipsOneRebuildOnly) {
    book.Pending = Person("Clara");
    book.RefreshAfterSave = false;
    book.Save();
    EXPECT_EQ(view.refreshes, 0);
    EXPECT_TRUE(book.RefreshAfterSave);
    book.Save();
    EXPECT_EQ(view.refreshes, 1);
}

TEST_F(AddressBookTest, FailedSaveKeepsTheIndexForARetryAndRestoresTheRefreshFlag) {
    book.Pending = Person("Berta");
    book.RecordIndex = 1;
    book.RefreshAfterSave = false;
    fs.Remove(kPath);  // the write goes to the open handle, the reopen fails
    EXPECT_THROW(book.Save(), EInOutError);
    EXPECT_EQ(book.RecordIndex, 1);
    EXPECT_TRUE(book.RefreshAfterSave);
    EXPECT_EQ(view.refreshes, 0);
}

TEST_F(AddressBookTest, SaveOnADiskFullFailsWithoutClaimingSuccess) {
    fs.LimitFileSize(2 * kRecordSize + 10);
    book.Pending = Person("Clara");
    try {
        book.Save();
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), kIoDiskFull);
    }
    EXPECT_EQ(view.refreshes, 0);
}

TEST_F(AddressBookTest, DeleteRebuildsTheList) {
    book.DeleteRecord(0);
    EXPECT_EQ(file.RecordCount(), 1u);
    EXPECT_EQ(FirstNameAt(0), "Bernd");
    EXPECT_EQ(view.refreshes, 1);
}

}  // namespace
}  // namespace natalo
