#include "platform/win32_file_system.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "addressbook/data_file.h"
#include "platform/io_error.h"
#include "platform/win32_environment.h"
#include "platform/win32_handle.h"
#include "support/io_error_code.h"
#include "support/records.h"
#include "win32/temp_folder.h"
#include "win32/user_settings.h"

namespace natalo {
namespace {

using testing::Person;
using testing::TempFolder;

TEST(Win32FileSystem, DataFileOnARealDisk) {
    TempFolder folder;
    Win32FileSystem files;
    DataFile data(files, folder.Path());
    data.OpenDataFile();
    EXPECT_EQ(testing::FileSizeOf(folder.File("data.dat")), 0);
    data.WriteRecord(-1, Person("Anna"));
    data.WriteRecord(-1, Person("Bernd"));
    data.WriteRecord(-1, Person("Clara"));
    data.ResetOpenFile();
    EXPECT_EQ(testing::FileSizeOf(folder.File("data.dat")), 3 * 368);
    data.DeleteRecord(0);
    EXPECT_EQ(testing::FileSizeOf(folder.File("data.dat")), 2 * 368);
    EXPECT_EQ(data.ReadRecord(0).FirstName, "Bernd");
    EXPECT_EQ(data.ReadRecord(1).FirstName, "Clara");
}

TEST(Win32FileSystem, FileIsSharedForReadingAndWritingWithOthers) {
    TempFolder folder;
    Win32FileSystem files;
    DataFile data(files, folder.Path());
    data.OpenDataFile();
    data.WriteRecord(-1, Person("Anna"));
    // Another program can open the same file for writing while the program holds it.
    UniqueFile other(::CreateFileA(folder.File("data.dat").c_str(), GENERIC_READ | GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                   nullptr));
    EXPECT_TRUE(other);
}

// Replace is the last step of a deletion: over a closed file by a rename, over a file that
// another handle holds (shared for deletion) through ReplaceFileA; either way in one step.
TEST(Win32FileSystem, ReplacesAClosedOrAnOpenFileAndKeepsItsAttributes) {
    TempFolder folder;
    Win32FileSystem files;
    const std::string data = folder.File("data.dat");
    const std::string scratch = folder.File("data.dat.tmp");
    auto write = [&](const std::string& path, const std::string& text) {
        const auto file = files.Open(path, OpenMode::kCreate);
        file->WriteAt(0, std::as_bytes(std::span(text)));
        file->Flush();
    };
    write(data, "old");
    ASSERT_TRUE(::SetFileAttributesA(data.c_str(), FILE_ATTRIBUTE_HIDDEN));
    write(scratch, "new");
    files.Replace(data, scratch);
    EXPECT_EQ(testing::ReadWholeFile(data), "new");
    EXPECT_EQ(testing::FileSizeOf(scratch), -1);
    EXPECT_TRUE(::GetFileAttributesA(data.c_str()) & FILE_ATTRIBUTE_HIDDEN);

    const auto held = files.Open(data, OpenMode::kExisting);
    write(scratch, "newer");
    files.Replace(data, scratch);
    EXPECT_EQ(testing::ReadWholeFile(data), "newer");
    char old[8] = {};
    EXPECT_EQ(held->ReadAt(0, std::as_writable_bytes(std::span(old))), 3u) << "the old file";

    files.Remove(data);
    EXPECT_EQ(testing::FileSizeOf(data), -1);
    EXPECT_NO_THROW(files.Remove(data));
    EXPECT_EQ(testing::IoErrorCodeOf([&] { files.Replace(data, scratch); }), kIoFileNotFound);
}

TEST(Win32FileSystem, FailuresCarryThePlatformCodes) {
    TempFolder folder;
    Win32FileSystem files;
    EXPECT_EQ(testing::IoErrorCodeOf(
                  [&] { files.Open(folder.File("missing.dat"), OpenMode::kExisting); }),
              kIoFileNotFound);
    EXPECT_EQ(testing::IoErrorCodeOf(
                  [&] { files.Open(folder.File("no-such-folder\\data.dat"), OpenMode::kCreate); }),
              kIoPathNotFound);
    testing::WriteWholeFile(folder.File("data.dat"), std::string(368, 'x'));
    ::SetFileAttributesA(folder.File("data.dat").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(
        testing::IoErrorCodeOf([&] { files.Open(folder.File("data.dat"), OpenMode::kExisting); }),
        kIoAccessDenied);
    EXPECT_NO_THROW(files.Open(folder.File("data.dat"), OpenMode::kReadOnly));

    // The data file is then opened for reading only.
    DataFile data(files, folder.Path());
    data.OpenDataFile();
    EXPECT_TRUE(data.IsReadOnly());
    EXPECT_EQ(data.ReadRecord(0).FirstName, std::string(30, 'x'));
    EXPECT_EQ(testing::IoErrorCodeOf([&] { data.WriteRecord(0, Person("A")); }), kIoAccessDenied);
}

TEST(Win32Environment, ExecutableDirectoryEndsInABackslashAndHoldsTheProgram) {
    const std::string dir = ExecutableDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_EQ(ExecutablePath().rfind(dir, 0), 0u);
}

// The prefix's user has the en-US settings (tools/wine-prefix); a change shows at the next
// call, as with the system's own date formatting.
TEST(Win32Environment, RegionalSettingsAreTheUsersAtEachCall) {
    Win32RegionalSettings settings;
    EXPECT_EQ(settings.ShortDateFormat(), "M/d/yyyy");
    EXPECT_EQ(settings.DateSeparator(), "/");
    {
        testing::UserShortDateFormat german("dd.MM.yyyy", ".");
        EXPECT_EQ(settings.ShortDateFormat(), "dd.MM.yyyy");
        EXPECT_EQ(settings.DateSeparator(), ".");
    }
    EXPECT_EQ(settings.ShortDateFormat(), "M/d/yyyy");
    // The week from Sunday (0) to Saturday (6), the months from 1.
    EXPECT_EQ(settings.AbbreviatedDayName(0), "Sun");
    EXPECT_EQ(settings.DayName(1), "Monday");
    EXPECT_EQ(settings.AbbreviatedDayName(6), "Sat");
    EXPECT_EQ(settings.MonthName(1), "January");
    EXPECT_EQ(settings.AbbreviatedMonthName(12), "Dec");
    EXPECT_LT(settings.CompareText("apple", "Banana"), 0);
    EXPECT_LT(settings.CompareText("a", "A"), 0);  // case only breaks ties
    EXPECT_EQ(settings.CompareText("same", "same"), 0);
}

// The address list sorts with one key per text instead of lstrcmpA on every pair: the keys
// must order every pair of texts exactly as lstrcmpA does.
TEST(Win32Environment, SortKeysOrderTextsExactlyAsLstrcmpA) {
    std::vector<std::string> texts{
        "",       " ",     "Müller", "Mueller", "Muller", "müller",  "MÜLLER",  "Mülller", "co-op",
        "coop",   "co op", "Co-op",  "O'Brien", "OBrien", "o'brien", "O Brien", "Ähm",     "Ahm",
        "ahm",    "Äpfel", "Apfel",  "Zoë",     "Zoe",    "Straße",  "Strasse", "STRASSE", "1",
        "10",     "9",     "09",     "1a",      "a1",     "-",       "--",      "'",       "a-",
        "-a",     "a'",    "'a",     "Æble",    "Aeble",  "Œuvre",   "oeuvre",  "Ñandú",   "Nandu",
        "x\xADy", "xy",    "É",      "e",       "E"};
    // Every character of the code page alone, and short words of the troublesome ones.
    for (int c = 1; c < 256; ++c)
        texts.push_back(std::string(1, static_cast<char>(c)));
    const std::string tricky = "aAäÄ-' 1ßeé.";
    for (char x : tricky)
        for (char y : tricky)
            for (char z : tricky)
                texts.push_back(std::string{x, y, z});
    Win32RegionalSettings settings;
    std::vector<std::string> keys;
    for (const std::string& text : texts) {
        const std::optional<std::string> key = settings.SortKey(text);
        ASSERT_TRUE(key) << text;
        keys.push_back(*key);
    }
    auto sign = [](int value) { return (value > 0) - (value < 0); };
    int mismatches = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = 0; j < texts.size(); ++j) {
            const int expected = sign(::lstrcmpA(texts[i].c_str(), texts[j].c_str()));
            if (sign(keys[i].compare(keys[j])) != expected && ++mismatches <= 20)
                ADD_FAILURE() << "'" << texts[i] << "' vs '" << texts[j] << "': lstrcmpA "
                              << expected;
        }
    }
    EXPECT_EQ(mismatches, 0) << "of " << texts.size() * texts.size() << " pairs";
}

}  // namespace
}  // namespace natalo
