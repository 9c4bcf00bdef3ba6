// The main window with real windows under Wine: its layout, the list of a data file, the
// details panel, deletion and the column sorts.
#include <gtest/gtest.h>

#include "addressbook/address_book_window_fixture.h"
#include "platform/io_error.h"
#include "platform/win32_handle.h"

namespace natalo {
namespace {

using testing::Person;
using ui::Bounds;

class MainWindowTest : public testing::AddressBookWindowTest {};

AddressRecord WithCity(AddressRecord r, std::string city) {
    r.City = std::move(city);
    return r;
}

// Where its parts lie (columns included) is checked with every other window's
// (tests/app/window_layout.golden).
TEST_F(MainWindowTest, ListAndPanelAsDesigned) {
    Start();
    EXPECT_EQ(input->Text(), "   Natalo - The Birthday Manager");
    EXPECT_FALSE(input->Visible());
    EXPECT_EQ(ui::App().MainForm(), input);

    const std::vector<std::string> columns{"",          "Last Name", "First Name", "Birthday",
                                           "Street",    "Zip",       "City",       "Country",
                                           "Telephone", "Fax",       "Mobile",     "email"};
    ASSERT_EQ(input->lvHeaders().ColumnCount(), 12);
    for (int c = 0; c < 12; ++c) {
        char caption[64] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = caption;
        column.cchTextMax = sizeof caption;
        ::SendMessageA(input->lvHeaders().Handle(), LVM_GETCOLUMNA, c,
                       reinterpret_cast<LPARAM>(&column));
        EXPECT_EQ(std::string(caption), columns[c]) << c;
    }
    const DWORD listStyle =
        static_cast<DWORD>(::GetWindowLongPtrA(input->lvHeaders().Handle(), GWL_STYLE));
    EXPECT_EQ(listStyle & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_FALSE(listStyle & LVS_EDITLABELS);
    const DWORD extended = static_cast<DWORD>(
        ::SendMessageA(input->lvHeaders().Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(extended & LVS_EX_TRACKSELECT);
    EXPECT_EQ(input->DetailLabel(0).FontDescription().bold, true);
    EXPECT_EQ(input->DetailLabel(2).FontDescription().bold, false);

    EXPECT_EQ(input->ListMenu().ItemCount(), 3);
    EXPECT_EQ(input->ListMenu().ItemCaption(0), "Change address");
    EXPECT_EQ(input->ListMenu().ItemCaption(2), "Delete address");
}

TEST_F(MainWindowTest, ListsTheFileInDefaultOrderWithRecordNumbers) {
    AddressRecord anna = Person("Anna", "Ähm", {1970, 2, 22});
    anna.Url = "http://anna.example";
    Start({anna, Person("Bert", "bauer"), Person("Carl", "Adler")});
    EXPECT_EQ(ListColumn(1), (std::vector<std::string>{"Adler", "bauer", "Ähm"}));
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_EQ(ListColumn(3)[2], "22.02.1970");
    EXPECT_EQ(input->lvHeaders().ItemText(2, 12), "http://anna.example");
}

TEST_F(MainWindowTest, DetailsComeFromTheFileForTheSelectedRow) {
    AddressRecord r = Person("Anna", "Berg", {1970, 2, 22});
    r.Street = "Weg 1";
    r.Zip = "10115";
    r.City = "Berlin";
    r.Email = "anna@example.org";
    Start({r});
    input->DetailsClick();  // nothing selected: nothing changes
    EXPECT_EQ(input->DetailLabel(0).Text(), "First Name: ");
    SelectRowOf("Anna");
    input->DetailsClick();
    const std::vector<std::string> expected{"First Name: Anna",
                                            "Last Name: Berg",
                                            "Address: Weg 1",
                                            "City: 10115",
                                            "Berlin",
                                            "Country: ",
                                            "Birthday: 22.02.1970",
                                            "Telephone: ",
                                            "Fax: ",
                                            "Mobile: ",
                                            "email: anna@example.org",
                                            "URL: "};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(input->DetailLabel(i).Text(), expected[i]) << i;
    // The city follows the postal code without covering it.
    const ui::Bounds zip = input->DetailLabel(3).GetBounds();
    EXPECT_GE(input->DetailLabel(4).GetBounds().left, zip.left + zip.width);
}

TEST_F(MainWindowTest, DeletingTheFirstOfThreeRenumbersAndKeepsTheDetails) {
    Start({Person("Anna", "A"), Person("Bert", "B"), Person("Carl", "C")});
    SelectRowOf("Anna");
    input->DetailsClick();
    input->DeleteClick();
    EXPECT_EQ(RecordsOnDisk(), 2u);
    EXPECT_EQ(RecordOnDisk(0).FirstName, "Bert");
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(ListColumn(2), (std::vector<std::string>{"Bert", "Carl"}));
    EXPECT_EQ(input->DetailLabel(0).Text(), "First Name: Anna");
}

TEST_F(MainWindowTest, CommandsNeedingASelectedRowDoNothingWithoutOne) {
    Start({Person("Anna", "A")});
    const std::string before = FileBytes();
    input->lvHeaders().SetSelectedIndex(-1);
    input->DeleteClick();
    input->ChangeClick();  // would open the editor modally
    EXPECT_FALSE(editor->Visible());
    EXPECT_EQ(FileBytes(), before);

    Start({});
    input->DeleteClick();
    input->ChangeClick();
    EXPECT_EQ(input->lvHeaders().ItemCount(), 0);
}

TEST_F(MainWindowTest, ColumnClicksAlternatePerColumnAndFlagsSurviveARebuild) {
    Start({WithCity(Person("A", "Lang"), "Bonn"), WithCity(Person("B", "Kurz"), "aachen"),
           WithCity(Person("C", "Mittel"), "Celle")});
    ClickColumn(6);
    EXPECT_EQ(ListColumn(6), (std::vector<std::string>{"aachen", "Bonn", "Celle"}));
    ClickColumn(6);
    EXPECT_EQ(ListColumn(6), (std::vector<std::string>{"Celle", "Bonn", "aachen"}));
    ClickColumn(1);
    EXPECT_EQ(ListColumn(1), (std::vector<std::string>{"Kurz", "Lang", "Mittel"}));
    input->RefreshList();
    ClickColumn(1);  // the Last Name flag was kept: descending now
    EXPECT_EQ(ListColumn(1), (std::vector<std::string>{"Mittel", "Lang", "Kurz"}));
}

TEST_F(MainWindowTest, BirthdayColumnSortsChronologically) {
    Start({Person("A", "A", {1980, 1, 31}), Person("B", "B", {1975, 12, 1}),
           Person("C", "C", {1990, 2, 5})});
    ClickColumn(3);
    EXPECT_EQ(ListColumn(3), (std::vector<std::string>{"01.12.1975", "31.01.1980", "05.02.1990"}));
    ClickColumn(3);
    EXPECT_EQ(ListColumn(3), (std::vector<std::string>{"05.02.1990", "31.01.1980", "01.12.1975"}));
}

TEST_F(MainWindowTest, CloseWindowOnlyHides) {
    Start();
    input->Show();
    ui::testing::Pump();
    input->cmdClose().Click();
    EXPECT_FALSE(input->Visible());
    EXPECT_FALSE(ui::App().Terminated());

    // Alt+F4 and the taskbar's close command put the window away too.
    input->Show();
    ::SendMessageA(input->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(input->Visible());
    EXPECT_TRUE(input->Exists());
    EXPECT_FALSE(ui::App().Terminated());
}

TEST_F(MainWindowTest, TransparencyMakesTheWindowLayered) {
    Start();
    SetTransparentForm(input->Handle(), 240);
    EXPECT_TRUE(::GetWindowLongPtrA(input->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(input->Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 240);
    EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
}

TEST_F(MainWindowTest, UnreadableDataFileIsReportedAndTheWindowStillComesUp) {
    testing::WriteWholeFile(folder.File("data.dat"), std::string(368, 'x'));
    // Another program holds the file and shares nothing.
    UniqueFile locked(
        ::CreateFileA(DataPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);
    StartOverDataFile();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], "E/A-Fehler 32.");
    EXPECT_EQ(input->lvHeaders().ItemCount(), 0);
    try {
        input->RefreshList();  // every later operation reports the closed file
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), kIoFileNotOpen);
    }
}

TEST_F(MainWindowTest, AMainWindowWhoseCommandsWereNeverConnectedReportsEachClick) {
    testing::WriteWholeFile(DataPath(), "");
    TInput alone(environment);
    alone.cmdTellFriends().Click();
    alone.cmdAdd().Click();
    EXPECT_EQ(errors_,
              (std::vector<std::string>{"Befehl nicht verbunden: Tell friends about Natalo.",
                                        "Adresseditor nicht verbunden."}));
}

}  // namespace
}  // namespace natalo
