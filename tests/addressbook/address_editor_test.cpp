// The address editor with real windows under Wine: Change, Add, Save, Enter, Cancel and
// the first-name check, read back from the data file.
#include <gtest/gtest.h>

#include "addressbook/address_book_window_fixture.h"

namespace natalo {
namespace {

using testing::Person;
using ui::testing::RunLater;

class AddressEditorTest : public testing::AddressBookWindowTest {
  protected:
    // Opens the editor with Change on the row of a first name and runs `inside` in its
    // modal loop; returns when the editor closed (or gives up after a while).
    void ChangeAndThen(const std::string& firstName, std::function<void()> inside) {
        ASSERT_GE(SelectRowOf(firstName), 0);
        RunLater(std::move(inside));
        RunLater([this] { editor->Close(); }, 3000);  // a failed test must not hang
        input->ChangeClick();
    }
    void AddAndThen(std::function<void()> inside) {
        RunLater(std::move(inside));
        RunLater([this] { editor->Close(); }, 3000);
        input->cmdAddClick();
    }
    // Enter pressed and released in a control, through the application's loop.
    void PressEnterIn(HWND control) {
        ::SetFocus(control);
        ui::testing::PressKey(control, VK_RETURN);
    }
    // Answers the first-name message with OK, keeping its caption and text.
    void AnswerMessageLater() {
        RunLater(
            [this] {
                HWND box = ::FindWindowA("#32770", "Information");
                if (!box)
                    return;
                messageText = ui::testing::WindowText(ui::testing::FindChild(
                    box, "Static", "Sie müssem mindestens einen Vornamen angeben"));
                ::SendMessageA(ui::testing::FindChild(box, "Button", "OK"), BM_CLICK, 0, 0);
            },
            200);
    }

    std::string messageText;
};

// Where its parts lie is checked with every other window's (tests/app/window_layout.golden).
TEST_F(AddressEditorTest, DefaultsAndTabOrderAsDesigned) {
    Start();
    EXPECT_EQ(editor->Text(), "Edit Address");
    EXPECT_TRUE(editor->RadioButton2().Checked());
    EXPECT_FALSE(editor->RadioButton1().Checked());
    EXPECT_EQ(editor->DateTimePicker1().Date(), (CivilDate{1969, 1, 1}));

    // Tab walks the controls in the designed order, from the last name on.
    const std::vector<HWND> order{
        editor->txtName().Handle(),  editor->txtAddr().Handle(),         editor->txttel().Handle(),
        editor->cmdSave().Handle(),  editor->DateTimePicker1().Handle(), editor->txtplz().Handle(),
        editor->txtort().Handle(),   editor->txtland().Handle(),         editor->txtfax().Handle(),
        editor->txthandy().Handle(), editor->txtemail().Handle(),        editor->txturl().Handle(),
        editor->txtvname().Handle(), editor->BitBtn1().Handle()};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        EXPECT_EQ(::GetNextDlgTabItem(editor->Handle(), order[i], FALSE), order[i + 1]) << i;
    }
}

TEST_F(AddressEditorTest, ChangeToMrAndEnterInAnEditStoresGenderM) {
    Start({Person("Anna", "Berg", {1970, 2, 22}, "f"), Person("Bert", "Zorn")});
    ChangeAndThen("Anna", [this] {
        EXPECT_EQ(editor->txtvname().Text(), "Anna");
        EXPECT_EQ(editor->DateTimePicker1().Date(), (CivilDate{1970, 2, 22}));
        EXPECT_TRUE(editor->RadioButton2().Checked());
        ::SendMessageA(editor->RadioButton1().Handle(), BM_CLICK, 0, 0);
        PressEnterIn(editor->txtort().Handle());
    });
    EXPECT_FALSE(editor->Visible());
    ASSERT_EQ(RecordsOnDisk(), 2u);
    EXPECT_EQ(RecordOnDisk(0).Gender, "m");
    EXPECT_EQ(RecordOnDisk(0).FirstName, "Anna");
    EXPECT_EQ(RecordOnDisk(1).FirstName, "Bert");
    EXPECT_TRUE(input->cmdAdd().Enabled());
}

TEST_F(AddressEditorTest, OpensWithMrsForAnyGenderButExactlyM) {
    Start({Person("Anna", "A", {1970, 1, 1}, ""), Person("Bert", "B", {1970, 1, 1}, "M"),
           Person("Carl", "C", {1970, 1, 1}, "m")});
    for (const auto& [name, mister] : std::vector<std::pair<std::string, bool>>{
             {"Anna", false}, {"Bert", false}, {"Carl", true}}) {
        bool checked = !mister;
        ChangeAndThen(name, [&] {
            checked = editor->RadioButton1().Checked();
            editor->BitBtn1().Click();
        });
        EXPECT_EQ(checked, mister) << name;
    }
}

TEST_F(AddressEditorTest, CancelAfterChangeLeavesTheFileUnchanged) {
    Start({Person("Anna", "Berg"), Person("Bert", "Zorn")});
    const std::string before = FileBytes();
    ChangeAndThen("Anna", [this] {
        editor->txtvname().SetText("Changed");
        editor->BitBtn1().Click();
    });
    EXPECT_EQ(FileBytes(), before);
    EXPECT_FALSE(editor->Visible());
}

TEST_F(AddressEditorTest, AddRightAfterChangeAppendsACopyAndKeepsTheChangedRecord) {
    Start({Person("Anna", "Berg")});
    ChangeAndThen("Anna", [this] {
        editor->txtort().SetText("Hamburg");
        editor->cmdSave().Click();
    });
    AddAndThen([this] {
        EXPECT_FALSE(input->cmdAdd().Enabled());
        EXPECT_EQ(editor->txtvname().Text(), "Anna");  // the fields are not cleared
        EXPECT_EQ(editor->txtort().Text(), "Hamburg");
        editor->cmdSave().Click();
    });
    ASSERT_EQ(RecordsOnDisk(), 2u);
    EXPECT_EQ(RecordOnDisk(0), RecordOnDisk(1));
    EXPECT_EQ(RecordOnDisk(0).City, "Hamburg");
    EXPECT_TRUE(input->cmdAdd().Enabled());
}

TEST_F(AddressEditorTest, LongTextsAreCutToTheirFields) {
    Start();
    AddAndThen([this] {
        editor->txtvname().SetText("Anna");
        editor->txtort().SetText(std::string(45, 'c'));
        editor->txtName().SetText(std::string(31, 'L'));
        editor->cmdSave().Click();
    });
    ASSERT_EQ(RecordsOnDisk(), 1u);
    EXPECT_EQ(RecordOnDisk(0).City, std::string(40, 'c'));
    EXPECT_EQ(RecordOnDisk(0).LastName, std::string(30, 'L'));
    EXPECT_EQ(RecordOnDisk(0).Gender, "f");
    EXPECT_EQ(RecordOnDisk(0).Birthday, DateValue({1969, 1, 1}));
    EXPECT_EQ(input->DetailLabel(0).Text(), "First Name: Anna");
}

TEST_F(AddressEditorTest, EmptyFirstNameShowsTheMessageAndWritesNothing) {
    Start({Person("Anna", "Zorn"), Person("Bert", "Adler")});
    ClickColumn(2);  // First Name: Anna, Bert
    const std::string before = FileBytes();
    AddAndThen([this] {
        editor->txtvname().SetText("");
        AnswerMessageLater();
        PressEnterIn(editor->txtName().Handle());
        EXPECT_TRUE(editor->Visible());
        EXPECT_EQ(ListColumn(2), (std::vector<std::string>{"Anna", "Bert"}));  // no rebuild
        AnswerMessageLater();
        editor->cmdSave().Click();
        EXPECT_TRUE(editor->Visible());
        EXPECT_EQ(ListColumn(2), (std::vector<std::string>{"Bert", "Anna"}));  // rebuilt
        editor->txtvname().SetText(" ");  // a blank is a first name
        editor->cmdSave().Click();
    });
    EXPECT_EQ(messageText, "Sie müssem mindestens einen Vornamen angeben");
    EXPECT_EQ(RecordsOnDisk(), 3u);
    EXPECT_EQ(FileBytes().substr(0, before.size()), before);
    EXPECT_EQ(RecordOnDisk(2).FirstName, " ");
}

TEST_F(AddressEditorTest, EscapeDoesNothingAndClosingByTheTitleBarReenablesAdd) {
    Start();
    AddAndThen([this] {
        ui::testing::PressKey(editor->txtvname().Handle(), VK_ESCAPE);
        EXPECT_TRUE(editor->Visible());
        ::SendMessageA(editor->Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(editor->Visible());
    EXPECT_TRUE(input->cmdAdd().Enabled());
    EXPECT_EQ(RecordsOnDisk(), 0u);
}

TEST_F(AddressEditorTest, EnterOnTheSaveButtonSavesOnce) {
    Start();
    AddAndThen([this] {
        editor->txtvname().SetText("Once");
        PressEnterIn(editor->cmdSave().Handle());
    });
    EXPECT_EQ(RecordsOnDisk(), 1u);
}

}  // namespace
}  // namespace natalo
