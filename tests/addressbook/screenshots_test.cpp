// Both windows shown on the display with the demo address book, checked on screen and
// saved as main-window.png and address-editor.png in the build folder for people to look at.
#include <gtest/gtest.h>

#include "addressbook/address_book_window_fixture.h"
#include "app/demo_people.h"

namespace natalo {
namespace {

using natalo::testing::ShowsEveryText;
using ui::testing::AllOf;
using ui::testing::HasActiveTitleBand;
using ui::testing::Screenshot;
using ui::testing::ScreenShows;

using ScreenshotTest = testing::AddressBookWindowTest;

TEST_F(ScreenshotTest, MainWindowAndEditorWithTheDemoAddressBook) {
    Start(DemoPeople(clock.Today()));
    ASSERT_GE(input->lvHeaders().ItemCount(), 25);
    input->Show();
    const int row = SelectRowOf("Jürgen");
    ASSERT_GE(row, 1);
    input->lvHeaders().SetFocus();
    input->DetailsClick();
    const HWND list = input->lvHeaders().Handle();
    EXPECT_TRUE(ScreenShows(input->Handle(), "main-window.png", [&](const Screenshot& shot) {
        // The selected row in the highlight, the row above it with its texts.
        return AllOf({HasActiveTitleBand(shot, *input), ShowsEveryText(shot, input->Handle()),
                      shot.HasColourIn(shot.ListRow(list, row), ::GetSysColor(COLOR_HIGHLIGHT)),
                      shot.HasMarksIn(shot.ListRow(list, row - 1))});
    }));

    ui::testing::RunLater([this] {
        EXPECT_TRUE(
            ScreenShows(editor->Handle(), "address-editor.png", [&](const Screenshot& shot) {
                return AllOf(
                    {HasActiveTitleBand(shot, *editor), ShowsEveryText(shot, editor->Handle())});
            }));
        editor->BitBtn1().Click();
    });
    input->ChangeClick();
    EXPECT_FALSE(editor->Visible());
}

}  // namespace
}  // namespace natalo
