// The reminder's windows on screen: screenshots for people to look at, and what only a
// real mouse shows (the tooltip of a disabled link).
#include <gtest/gtest.h>

#include "reminder_window_fixture.h"

namespace natalo::testing {
namespace {

using ui::testing::Pump;
using ui::testing::PumpUntil;
using ui::testing::SaveWindowScreenshot;

using ReminderScreenshotTest = ReminderWindowTest;

TEST_F(ReminderScreenshotTest, DisabledLinkShowsItsTooltipUnderTheMouse) {
    Start({Person("Bert", "Brown", {1950, 1, 5})});
    TfrmDisp& window = ShowBirthdayWindow();
    Pump(50);
    const ui::LinkLabel& mail = *window.RunTimeLabels().LinkRows()[0].mail;
    ASSERT_FALSE(mail.Enabled());
    RECT rect{};
    ::GetWindowRect(mail.Handle(), &rect);
    ::SetCursorPos(rect.left + 2, rect.top + 2);
    Pump(20);
    ::SetCursorPos(rect.left + 4, rect.top + 3);
    HWND tip = window.Tooltips().Handle();
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tip) != FALSE; }, 3000));
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
    const std::pair<ui::Form*, const char*> shots[] = {{form3, "browser-window.png"},
                                                       {form1, "tell-a-friend-window.png"},
                                                       {about, "about-window.png"}};
    for (const auto& [form, file] : shots) {
        form->Show();
        Pump(300);
        EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), file)) << file;
        form->Hide();
    }
}

}  // namespace
}  // namespace natalo::testing
