// Both windows shown on the display with the demo address book, saved as
// main-window.png and address-editor.png in the build folder for people to look at.
#include <gtest/gtest.h>

#include "addressbook/address_book_window_fixture.h"
#include "app/demo_people.h"

namespace natalo {
namespace {

class ScreenshotTest : public testing::AddressBookWindowTest {};

TEST_F(ScreenshotTest, MainWindowAndEditorWithTheDemoAddressBook) {
    Start(DemoPeople(clock.Today()));
    ASSERT_GE(input->lvHeaders().ItemCount(), 25);
    input->Show();
    ASSERT_GE(SelectRowOf("Jürgen"), 0);
    input->DetailsClick();
    ui::testing::Pump(200);
    EXPECT_TRUE(ui::testing::SaveWindowScreenshot(input->Handle(), "main-window.png"));

    ui::testing::RunLater([this] {
        ui::testing::Pump(200);
        EXPECT_TRUE(ui::testing::SaveWindowScreenshot(editor->Handle(), "address-editor.png"));
        editor->BitBtn1().Click();
    });
    input->ChangeClick();
    EXPECT_FALSE(editor->Visible());
}

}  // namespace
}  // namespace natalo
