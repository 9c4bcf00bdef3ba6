// The Export command as a real window under Wine: the file it writes, its failures, the
// save dialog it shows, and an exported file imported again.
#include <gtest/gtest.h>
#include <windows.h>

#include <dlgs.h>

#include "exchange/exchange_window_fixture.h"
#include "platform/io_error.h"

namespace natalo {
namespace {

using testing::FileSizeOf;
using testing::Person;
using testing::ReadWholeFile;
using testing::WriteWholeFile;

const std::vector<std::string> kSaved{"Daten gespeichert!"};

class ExportCommandTest : public testing::ExchangeWindowTest {
  protected:
    AddressRecord Anna() const {
        AddressRecord anna = Person("Anna", "Berg", {1971, 4, 3}, "w");
        anna.City = "Bonn";
        return anna;
    }
};

// What the chosen file holds afterwards (nothing: no file) and the messages, for an address
// book written over a former content, an empty one, "Cancel" (no path or an empty one)
// and a file that cannot be created.
TEST_F(ExportCommandTest, WritesOneLinePerRecordOrNothingWithTheMessageOfEachEnd) {
    AddressRecord noDate = Person("Ben", "Cole", {1970, 1, 1}, "");
    noDate.Birthday = DateValue({2999, 1, 1});
    const std::string exportFile = folder.File("export.txt");
    const struct {
        std::vector<AddressRecord> records;
        std::optional<std::string> chosen;
        std::optional<std::string> written;
        std::vector<std::string> messages;
        std::vector<std::string> errors;
    } cases[] = {
        {{Anna(), noDate},
         exportFile,
         "Anna;Berg;03.04.1971;w;;;Bonn;;;;;;;\r\nBen;Cole;01.01.2999;;;;;;;;;;;\r\n",
         kSaved,
         {}},
        {{}, exportFile, "", kSaved, {}},
        {{Anna()}, std::nullopt, std::nullopt, {}, {}},
        {{Anna()}, "", std::nullopt, {}, {}},
        {{Anna()},
         folder.File("no such folder\\export.txt"),
         std::nullopt,
         {},
         {IoErrorMessage(kIoPathNotFound) + "."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.value_or("(cancelled)"));
        Start(c.records);
        ::DeleteFileA(exportFile.c_str());
        if (c.written)
            WriteWholeFile(exportFile, std::string(5000, 'x'));
        messages.texts.clear();
        errors_.clear();
        chosenFile = c.chosen;
        ExportThroughMenu();
        if (c.written)
            EXPECT_EQ(ReadWholeFile(*c.chosen), *c.written);
        else
            EXPECT_EQ(FileSizeOf(exportFile), -1);
        EXPECT_EQ(messages.texts, c.messages);
        EXPECT_EQ(errors_, c.errors);
    }
}

TEST_F(ExportCommandTest, DataFileReadErrorWritesNoFile) {
    // A damaged tail: part of a record behind the whole ones.
    StartWithBytes(testing::FileTextOf({Anna(), Anna()}) + std::string(100, 'x'));
    errors_.clear();  // the list at start-up stopped at the tail as well
    chosenFile = folder.File("export.txt");
    ExportThroughMenu();
    EXPECT_EQ(errors_, (std::vector<std::string>{IoErrorMessage(kIoReadPastEnd) + "."}));
    EXPECT_EQ(FileSizeOf(*chosenFile), -1);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ExportCommandTest, ExportedFileImportedAgainAppendsAnEqualCopy) {
    AddressRecord full = Anna();
    full.Street = "Königsallee 1";
    full.Zip = "40212";
    full.Country = "Deutschland";
    full.Phone = "0211 1";
    full.Fax = "0211 2";
    full.Mobile = "0171 3";
    full.Email = "anna@example.de";
    full.Url = "www.example.de/anna";
    AddressRecord noDate = Person("Zoë", "Åberg", {1970, 1, 1}, "m");
    noDate.Birthday = DateValue({2999, 1, 1});
    const std::vector<AddressRecord> people{full, noDate, Person("Carl", "", {2000, 2, 29}, "")};
    Start(people);
    chosenFile = folder.File("export.txt");
    ExportThroughMenu();
    dialog->cmdOpenFile().Click();
    ImportThroughCommand(std::nullopt);
    ASSERT_EQ(RecordsOnDisk(), 2 * people.size());
    for (std::size_t i = 0; i < people.size(); ++i)
        EXPECT_EQ(RecordOnDisk(people.size() + i), RecordOnDisk(i)) << i;
    EXPECT_EQ(messages.texts, (std::vector<std::string>{kSaved[0], kSaved[0]}));
    EXPECT_TRUE(errors_.empty());
}

// The real save dialog: it suggests "export.txt", and a name typed without extension gets
// ".txt".
TEST_F(ExportCommandTest, SaveDialogSuggestsTheNameAndAddsTheExtension) {
    Start();
    std::string suggested;
    const std::string typed = folder.File("birthdays");
    ui::testing::WhenDialogOpens(std::nullopt, [&](HWND box) {
        if (!box)
            return;
        HWND nameBox =
            ::GetDlgItem(box, cmb13) ? ::GetDlgItem(box, cmb13) : ::GetDlgItem(box, edt1);
        suggested = ui::testing::WindowText(nameBox);
        ::SetWindowTextA(nameBox, typed.c_str());
        ::SendMessageA(box, WM_COMMAND, IDOK, 0);
    });
    const std::optional<std::string> chosen = ShowExportSaveDialog(input->Handle());
    EXPECT_EQ(suggested, "export.txt");
    EXPECT_EQ(chosen, typed + ".txt");
}

}  // namespace
}  // namespace natalo
