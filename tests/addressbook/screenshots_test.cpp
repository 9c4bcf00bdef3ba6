// Both windows shown on the display with the demo address book, checked on screen and
// saved as main-window.png and address-editor.png in the build folder for people to look at.
#include <gtest/gtest.h>

#include "addressbook/address_book_window_fixture.h"
#include "app/demo_people.h"

namespace natalo {
namespace {

using ui::testing::AllOf;
using ui::testing::HasActiveTitleBand;
using ui::testing::Screenshot;
using ui::testing::ScreenShows;

class ScreenshotTest : public testing::AddressBookWindowTest {
  protected:
    // A rectangle of a child window's client area in the picture of its form.
    static RECT InPicture(const Screenshot& shot, const ui::Form& form, HWND child, RECT rect) {
        ::MapWindowPoints(child, form.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        const POINT corner = shot.FromClient(0, 0);
        ::OffsetRect(&rect, corner.x, corner.y);
        return rect;
    }
};

TEST_F(ScreenshotTest, MainWindowAndEditorWithTheDemoAddressBook) {
    Start(DemoPeople(clock.Today()));
    ASSERT_GE(input->lvHeaders().ItemCount(), 25);
    input->Show();
    const int row = SelectRowOf("Jürgen");
    ASSERT_GE(row, 0);
    input->lvHeaders().SetFocus();
    input->DetailsClick();
    const HWND list = input->lvHeaders().Handle();
    RECT rowRect{LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&rowRect));
    EXPECT_TRUE(ScreenShows(input->Handle(), "main-window.png", [&](const Screenshot& shot) {
        return AllOf(
            {HasActiveTitleBand(shot, *input),
             shot.HasColourIn(InPicture(shot, *input, list, rowRect),
                              ::GetSysColor(COLOR_HIGHLIGHT)),
             shot.HasColourIn(shot.RectOf(input->DetailLabel(0).Handle()), RGB(0, 0, 0), 40)});
    }));

    ui::testing::RunLater([this] {
        EXPECT_TRUE(
            ScreenShows(editor->Handle(), "address-editor.png", [&](const Screenshot& shot) {
                return AllOf(
                    {HasActiveTitleBand(shot, *editor),
                     shot.HasColourIn(shot.RectOf(editor->txtvname().Handle()), RGB(0, 0, 0), 40)});
            }));
        editor->BitBtn1().Click();
    });
    input->ChangeClick();
    EXPECT_FALSE(editor->Visible());
}

}  // namespace
}  // namespace natalo
