// natalo.exe in the notification area as a user meets it: a click on its icon in Wine's
// system tray window (xdotool on the X display), the tray menu (checked on screen and
// saved for people to look at) and "&Close" with "Yes", watched from this second process.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/program_driver.h"
#include "win32/screenshot.h"
#include "win32/temp_folder.h"

namespace natalo {
namespace {

using testing::CentreOf;
using testing::ClickAt;
using testing::MoveMouseTo;
using testing::RunningProgram;
using testing::TempFolder;
using testing::TrayIconWindows;

class TrayEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testing::InstallProgramIn(folder));
        const std::vector<HWND> before = TrayIconWindows();
        program = std::make_unique<RunningProgram>(folder.File("natalo.exe"));
        program->WaitForIdle();
        // Ours is the icon that was not there before.
        ASSERT_TRUE(testing::WaitUntil([&] {
            for (HWND icon : TrayIconWindows()) {
                if (std::find(before.begin(), before.end(), icon) == before.end()) {
                    icon_ = icon;
                    return true;
                }
            }
            return false;
        }));
        ASSERT_TRUE(testing::WaitUntil(
            [&] { return testing::VisibleBirthdayWindows(*program).size() == 1; }));
    }

    TempFolder folder;
    std::unique_ptr<RunningProgram> program;
    HWND icon_ = nullptr;
};

TEST_F(TrayEndToEndTest, AClickOnTheIconShowsANewBirthdayWindow) {
    const HWND first = testing::VisibleBirthdayWindows(*program).front();
    ASSERT_TRUE(ClickAt(CentreOf(icon_), 1));
    ASSERT_TRUE(testing::WaitUntil([&] {
        const std::vector<HWND> visible = testing::VisibleBirthdayWindows(*program);
        return visible.size() == 1 && visible.front() != first;
    }));
    EXPECT_FALSE(::IsWindowVisible(first));
    EXPECT_FALSE(program->HasEnded());
}

TEST_F(TrayEndToEndTest, CloseFromTheTrayMenuWithYesEndsTheProgramWithExitCodeZero) {
    ASSERT_TRUE(ClickAt(CentreOf(icon_), 3));
    HWND menu = nullptr;
    ASSERT_TRUE(testing::WaitUntil([&] { return (menu = program->OpenMenu()) != nullptr; }));
    // "&Close" is the menu's last item: pointed at, it shows the highlight (checked right of
    // its text on the whole screen, whose picture has screen coordinates).
    RECT rect{};
    ::GetWindowRect(menu, &rect);
    const POINT close{rect.right - 10, rect.bottom - 10};
    ASSERT_TRUE(MoveMouseTo(close));
    EXPECT_TRUE(testing::ShowsOnScreen(
        ::GetDesktopWindow(), "tray-menu.png", [&](const testing::Screenshot& shot) {
            return shot.HasColourAt(close, ::GetSysColor(COLOR_HIGHLIGHT));
        }));
    ASSERT_TRUE(ClickAt(close, 1));
    HWND box = nullptr;
    ASSERT_TRUE(
        testing::WaitUntil([&] { return (box = program->FindMessageBox("Close")) != nullptr; }));
    EXPECT_EQ(testing::MessageBoxText(box), "Do you really wan't to close the program?");
    ASSERT_TRUE(testing::ClickButton(box, "Yes"));
    ASSERT_TRUE(program->HasEnded(testing::kPatience));
    EXPECT_EQ(program->ExitCode(), 0u);
}

}  // namespace
}  // namespace natalo
