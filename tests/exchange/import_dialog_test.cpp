// The import dialog and the Import command as real windows under Wine: the layout, the
// records an import appends, failures part-way, Cancel and close, and loading list files
// in every encoding and shape a user may pick.
#include <gtest/gtest.h>

#include <random>

#include "exchange/exchange_window_fixture.h"
#include "exchange/import_text.h"
#include "exchange/win32_ansi_converter.h"
#include "platform/io_error.h"

namespace natalo {
namespace {

using testing::Person;
using testing::ReadWholeFile;
using testing::WriteWholeFile;

constexpr char kAnnaLine[] =
    "Anna;Berg;03.04.1971;w;Hauptstr. 1;12345;Bonn;Deutschland;0228 1;;0171 2;;;";
const std::vector<std::string> kSaved{"Daten gespeichert!"};

class ImportDialogTest : public testing::ExchangeWindowTest {};

// Where its parts lie is checked with every other window's (tests/app/window_layout.golden).
TEST_F(ImportDialogTest, TextsAndTheListEdit) {
    Start();
    EXPECT_EQ(dialog->Text(), "   Natalo - The Birthday Manager");
    const LONG style = ::GetWindowLongA(dialog->Import().Handle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_AUTOHSCROLL) << "no word wrap";
    EXPECT_TRUE((style & WS_HSCROLL) && (style & WS_VSCROLL));
    EXPECT_GE(::SendMessageA(dialog->Import().Handle(), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    EXPECT_EQ(dialog->FormatLabel().Text(),
              "First Name;LastName;Birthday;Gender;Address;ZIP;City;Country;Tel;Fax;Mobile;email;"
              "Url;");
    // The panel's texts sit inside it, in panel coordinates.
    EXPECT_EQ(::GetParent(dialog->FormatLabel().Handle()),
              ::GetParent(ui::testing::FindChild(dialog->Handle(), "NataloLabel", "Format:")));
}

// Checked on screen, and saved for people to look at: build/<preset>/import-dialog.png.
TEST_F(ImportDialogTest, Screenshot) {
    Start();
    dialog->Import().SetText(std::string(kAnnaLine) + "\r\nBen;Cole;12.08.1985;m;;;Köln\r\n");
    dialog->Show();
    EXPECT_TRUE(ui::testing::ScreenShows(
        dialog->Handle(), "import-dialog.png", [&](const ui::testing::Screenshot& shot) {
            return ui::testing::AllOf(
                {ui::testing::HasActiveTitleBand(shot, *dialog),
                 testing::ShowsEveryText(shot, dialog->Handle()),
                 // its two lines, not merely the caret
                 shot.HasMarksIn(shot.ClientAreaOf(dialog->Import().Handle()), 40)});
        }));
    dialog->Hide();
}

TEST_F(ImportDialogTest, AppendsOneRecordPerNonEmptyLineAndReturnsToTheMainWindow) {
    Start({Person("Existing")});
    ImportThroughCommand(std::string(kAnnaLine) +
                         "\r\n\r\nBen;Cole;31.02.1971;male\r\n   \r\n"
                         "First Name;LastName;Birthday;Gender;Address;ZIP;City;Country;Tel;Fax;"
                         "Mobile;email;Url;\r\n");

    EXPECT_EQ(FirstNamesOnDisk(),
              (std::vector<std::string>{"Existing", "Anna", "Ben", "   ", "First Name"}));
    const AddressRecord anna = RecordOnDisk(1);
    EXPECT_EQ(anna.LastName, "Berg");
    EXPECT_EQ(anna.Birthday, DateValue({1971, 4, 3}));
    EXPECT_EQ(anna.Gender, "w");
    EXPECT_EQ(anna.Street, "Hauptstr. 1");
    EXPECT_EQ(anna.Mobile, "0171 2");
    EXPECT_EQ(anna.Fax, "");
    EXPECT_EQ(RecordOnDisk(2).Birthday, DateValue({2999, 1, 1}));
    EXPECT_EQ(RecordOnDisk(2).Gender, "m");
    EXPECT_EQ(RecordOnDisk(4).LastName, "LastName");

    EXPECT_EQ(messages.texts, kSaved);
    EXPECT_TRUE(errors_.empty());
    EXPECT_FALSE(dialogStayedOpen);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(input->Visible());
    EXPECT_EQ(input->GetWindowState(), ui::WindowState::Normal);
    EXPECT_EQ(input->lvHeaders().ItemCount(), 5) << "the list is rebuilt once at the end";
    EXPECT_EQ(input->Book().RecordIndex, -1);
    EXPECT_TRUE(input->Book().RefreshAfterSave);
    EXPECT_EQ(input->DetailLabel(0).Text(), "First Name: First Name") << "the last record";
}

TEST_F(ImportDialogTest, KeepsItsTextSoThatImportingAgainDoublesEveryPerson) {
    Start();
    ImportThroughCommand("Anna;Berg\r\nBen;Cole\r\n");
    ImportThroughCommand(std::nullopt);
    EXPECT_EQ(FirstNamesOnDisk(), (std::vector<std::string>{"Anna", "Ben", "Anna", "Ben"}));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{kSaved[0], kSaved[0]}));
}

TEST_F(ImportDialogTest, ConfirmsAlsoWhenNoLineWasImported) {
    Start({Person("Existing")});
    ImportThroughCommand("\r\n\r\n");
    EXPECT_EQ(RecordsOnDisk(), 1u);
    EXPECT_EQ(messages.texts, kSaved);
    EXPECT_FALSE(dialogStayedOpen);
}

TEST_F(ImportDialogTest, ReadOnlyDataFileStopsTheImportWithTheErrorAndTheDialogOpen) {
    Start({Person("Existing")});
    ASSERT_TRUE(::SetFileAttributesA(DataPath().c_str(), FILE_ATTRIBUTE_READONLY));
    ImportThroughCommand("Anna;Berg\r\nBen;Cole\r\nCarl;Dorn\r\n");
    // The open handle still writes the first record; the file is then reopened for
    // reading only, and the next line's save is refused.
    EXPECT_EQ(FirstNamesOnDisk(), (std::vector<std::string>{"Existing", "Anna"}));
    EXPECT_EQ(errorsOfTheImport, (std::vector<std::string>{IoErrorMessage(kIoAccessDenied) + "."}));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"1 von 3 Zeilen gespeichert."}));
    EXPECT_TRUE(dialogStayedOpen);
    EXPECT_EQ(dialog->Import().Text(), "Ben;Cole\r\nCarl;Dorn\r\n");
    // Closing the dialog rebuilds the list from the file opened for reading.
    EXPECT_EQ(errors_.size(), 1u);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(input->lvHeaders().ItemCount(), 2);
}

TEST_F(ImportDialogTest, FullDiskPartWayKeepsTheRecordsBeforeTheFailedLine) {
    Start({Person("Existing")});
    files.writesLeft = 2;
    ImportThroughCommand("Anna;Berg\r\nBen;Cole\r\nCarl;Dorn\r\nDora;Eck\r\n");
    EXPECT_EQ(FirstNamesOnDisk(), (std::vector<std::string>{"Existing", "Anna", "Ben"}));
    EXPECT_EQ(errorsOfTheImport, (std::vector<std::string>{IoErrorMessage(kIoDiskFull) + "."}));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"2 von 4 Zeilen gespeichert."}));
    EXPECT_TRUE(dialogStayedOpen);
    EXPECT_EQ(input->DetailLabel(0).Text(), "First Name: Carl") << "the line that failed";
    // Saves after the failure rebuild the list again.
    EXPECT_TRUE(input->Book().RefreshAfterSave);
}

TEST_F(ImportDialogTest, CancelAndTheTitleBarCloseRebuildTheList) {
    Start({Person("Anna")});
    ASSERT_EQ(input->lvHeaders().ItemCount(), 1);
    AppendRecordOnDisk(Person("Ben"));
    ui::testing::RunLater([this] { dialog->cmdCancel().Click(); });
    input->ImportClick();
    EXPECT_EQ(input->lvHeaders().ItemCount(), 2);
    EXPECT_TRUE(input->Visible());
    EXPECT_EQ(input->GetWindowState(), ui::WindowState::Normal);

    AppendRecordOnDisk(Person("Carl"));
    ui::testing::RunLater([this] { ::SendMessageA(dialog->Handle(), WM_CLOSE, 0, 0); });
    input->ImportClick();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(input->lvHeaders().ItemCount(), 3);
    EXPECT_EQ(RecordsOnDisk(), 3u) << "closing imports nothing";
    EXPECT_TRUE(messages.texts.empty());
}

// Open file ...

class OpenFileTest : public testing::ExchangeWindowTest {
  protected:
    // Loads the bytes as a list file through "Open file ...".
    void Load(const std::string& bytes, const std::string& name = "list.txt") {
        chosenFile = folder.File(name);
        WriteWholeFile(*chosenFile, bytes);
        dialog->cmdOpenFile().Click();
    }
};

TEST_F(OpenFileTest, SameListInAnsiAndUtf8GivesTheSameText) {
    Start();
    const std::string ansi = "Jürgen;Weiß;03.04.1971;m;Straße 1\r\nZoë;Åberg\r\n";
    // The same list as a UTF-8 editor saves it, with LF line ends.
    const std::string utf8 =
        "J\xC3\xBCrgen;Wei\xC3\x9F;03.04.1971;m;Stra\xC3\x9F"
        "e 1\nZo\xC3\xAB;\xC3\x85"
        "berg\n";
    for (const std::string& file : {ansi, utf8, "\xEF\xBB\xBF" + utf8}) {
        Load(file);
        EXPECT_EQ(dialog->Import().Text(), ansi);
    }
    ImportThroughCommand(std::nullopt);
    EXPECT_EQ(FirstNamesOnDisk(), (std::vector<std::string>{"Jürgen", "Zoë"}));
    EXPECT_EQ(RecordOnDisk(0).Street, "Straße 1");
    EXPECT_TRUE(errors_.empty());
    EXPECT_TRUE(messages.texts == kSaved);
}

TEST_F(OpenFileTest, LatinLettersLoseDiacriticsOtherCharactersBecomeQuestionMarks) {
    Start();
    // Ł (U+0141) is not in Windows-1252: it is kept without its stroke.
    Load("\xC5\x81ukasz;M\xC3\xBCller\r\n");
    EXPECT_EQ(dialog->Import().Text(), "Lukasz;Müller\r\n");
    // An emoji (beyond 16 bits: a surrogate pair in UTF-16) is one character, one "?".
    Load("Anna \xF0\x9F\x98\x80;Berg\r\n");
    EXPECT_EQ(dialog->Import().Text(), "Anna ?;Berg\r\n");
    Load(
        std::string("\xFF\xFE"
                    "A\0=\xD8\0\xDE;\0",
                    10));  // UTF-16: "A😀;"
    EXPECT_EQ(dialog->Import().Text(), "A?;");
}

TEST_F(OpenFileTest, ConversionOfABigFileKeepsCharactersAcrossItsPieces) {
    // Umlauts at every odd offset put some of them across every piece boundary.
    std::string utf8;
    std::string ansi;
    for (int i = 0; i < 700000; ++i) {
        utf8 += "a\xC3\xA4";
        ansi += "aä";
    }
    EXPECT_EQ(Win32AnsiConverter().FromUtf8(utf8), ansi);
}

TEST_F(OpenFileTest, TellsTheUserWhenTheTextEndsAtANulByte) {
    Start();
    Load(std::string("Anna;Berg\r\nBen\0Cole;X\r\nCarl\r\n", 27));
    EXPECT_EQ(dialog->Import().Text(), "Anna;Berg\r\nBen");
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("NUL"), std::string::npos);
}

TEST_F(OpenFileTest, UnreadableFileOrCancelLeavesTheTextAsItWas) {
    Start();
    dialog->Import().SetText("kept;line\r\n");
    chosenFile = folder.File("missing.txt");
    dialog->cmdOpenFile().Click();
    EXPECT_EQ(errors_, (std::vector<std::string>{IoErrorMessage(kIoFileNotFound) + "."}));
    chosenFile = std::nullopt;
    dialog->cmdOpenFile().Click();
    EXPECT_EQ(dialog->Import().Text(), "kept;line\r\n");
    EXPECT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(messages.texts.empty());
}

// Far beyond the 64 KB where the text boxes of older systems stop.
TEST_F(OpenFileTest, OneMegabyteFileIsHeldWhole) {
    Start();
    std::string file;
    std::string expected;
    for (int i = 0; file.size() < 1'000'000; ++i) {
        const std::string line =
            "First" + std::to_string(i) + ";Last;03.04.1971;m;Street 1;12345;City;Land;;;;;;";
        file += line + "\n";
        expected += line + "\r\n";
    }
    Load(file);
    const std::string shown = dialog->Import().Text();
    EXPECT_TRUE(shown == expected) << shown.size() << " of " << expected.size() << " characters";
}

TEST_F(OpenFileTest, BinaryFilesAndVeryLongLinesLoadAndImport) {
    Start();
    std::mt19937 random(6);
    std::string binary;
    for (int i = 0; i < 20000; ++i)
        binary += static_cast<char>(1 + random() % 255);
    Load(binary + '\0' + "after the NUL");
    const std::string loaded = dialog->Import().Text();
    EXPECT_EQ(loaded, DecodeImportFile(binary, Win32AnsiConverter()).text);
    EXPECT_EQ(messages.texts.size(), 1u) << "the NUL is reported";
    const std::size_t lines = NonEmptyLines(loaded).size();
    ImportThroughCommand(std::nullopt);
    EXPECT_EQ(RecordsOnDisk(), lines);
    EXPECT_TRUE(errors_.empty());

    const std::string longField(100000, 'x');
    const std::string longLines =
        longField + "\r\nAnna;" + longField + ";03.04.1971\r\n" + longField + ";Berg\r\n";
    Load(longLines);
    EXPECT_TRUE(dialog->Import().Text() == longLines);
    ImportThroughCommand(std::nullopt);
    ASSERT_EQ(RecordsOnDisk(), lines + 3);
    EXPECT_EQ(RecordOnDisk(lines).FirstName, std::string(30, 'x'));
    EXPECT_EQ(RecordOnDisk(lines + 1).LastName, std::string(30, 'x'));
    // Only the first 4096 characters of a line are read: the birthday lies beyond them.
    EXPECT_EQ(RecordOnDisk(lines + 1).Birthday, DateValue({2999, 1, 1}));
    EXPECT_EQ(RecordOnDisk(lines + 2).LastName, "");
    EXPECT_TRUE(errors_.empty());
}

}  // namespace
}  // namespace natalo
