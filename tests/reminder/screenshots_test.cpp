// The reminder's windows on screen, checked and saved for people to look at, and what only
// a real mouse shows (the tooltip of a disabled link).
#include <gtest/gtest.h>

#include <tuple>

#include "reminder_window_fixture.h"

namespace natalo::testing {
namespace {

using ui::testing::AllOf;
using ui::testing::HasActiveTitleBand;
using ui::testing::MoveMouseTo;
using ui::testing::PumpUntil;
using ui::testing::Screenshot;
using ui::testing::ScreenShows;

using ReminderScreenshotTest = ReminderWindowTest;

TEST_F(ReminderScreenshotTest, DisabledLinkShowsItsTooltipUnderTheMouse) {
    Start({Person("Bert", "Brown", {1950, 1, 5})});
    TfrmDisp& window = ShowBirthdayWindow();
    const ui::LinkLabel& mail = *window.RunTimeLabels().LinkRows()[0].mail;
    ASSERT_FALSE(mail.Enabled());
    ASSERT_TRUE(ScreenShows(window.Handle(), nullptr, [&](const Screenshot& shot) {
        return shot.HasMarksIn(shot.RectOf(mail.Handle()));
    }));
    RECT rect{};
    ::GetWindowRect(mail.Handle(), &rect);
    ASSERT_TRUE(MoveMouseTo({rect.left + 2, rect.top + 2}));
    ASSERT_TRUE(MoveMouseTo({rect.left + 4, rect.top + 3}));
    HWND tip = window.Tooltips().Handle();
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tip) != FALSE; }));
    char text[256] = {};
    TTTOOLINFOA current{};
    current.cbSize = sizeof current;
    current.lpszText = text;
    ASSERT_TRUE(::SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&current)));
    EXPECT_EQ(current.uId, static_cast<UINT_PTR>(mail.Id()));
    EXPECT_STREQ(text, "Add a emailaddress\r\nand send easily\r\nbirthday greatings!");
    ::SetCursorPos(0, 0);
}

TEST_F(ReminderScreenshotTest, CompanionWindows) {
    Start();
    // The program's blue: the back arrow's disc, the logo's tile.
    const COLORREF blue = RGB(0x2F, 0x6F, 0xB5);
    const std::tuple<ui::Form*, const char*, ScreenCheck> shots[] = {
        {form3, "browser-window.png",
         [&](const Screenshot& shot) {
             return shot.HasColourIn(shot.RectOf(form3->Back().Handle()), blue, 8);
         }},
        {form1, "tell-a-friend-window.png",
         [&](const Screenshot& shot) {
             return shot.HasColourIn(shot.RectOf(form1->TellAFriendLink().Handle()), RGB(0, 0, 255),
                                     40);
         }},
        {about, "about-window.png",
         [&](const Screenshot& shot) { return shot.HasColourIn(shot.ClientArea(), blue, 4); }}};
    for (const auto& [form, file, shows] : shots) {
        form->Show();
        EXPECT_TRUE(ScreenShows(form->Handle(), file, [&](const Screenshot& shot) {
            return AllOf({HasActiveTitleBand(shot, *form), ShowsEveryText(shot, form->Handle()),
                          shows(shot)});
        })) << file;
        form->Hide();
    }
}

}  // namespace
}  // namespace natalo::testing
