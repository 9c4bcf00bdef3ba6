// natalo.exe from the keyboard alone: real key presses on the X display (xdotool) move the
// focus through the birthday window, read from this second process, and Enter on the
// print picture opens the print window.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "support/records.h"
#include "win32/program_driver.h"
#include "win32/temp_folder.h"

namespace natalo {
namespace {

using testing::RunningProgram;

// The focused window of the thread that owns the window, as another process sees it.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

// Key presses go to the active X window, as they do for a user: make the window it.
bool Activate(HWND window) {
    const auto xWindow =
        reinterpret_cast<std::uintptr_t>(::GetPropA(window, "__wine_x11_whole_window"));
    if (xWindow == 0)
        return false;
    return testing::RunXdotool("windowactivate --sync " + std::to_string(xWindow));
}

TEST(KeyboardEndToEnd, TabReachesThePrintPictureAndEnterOpensThePrintWindow) {
    testing::TempFolder folder;
    ASSERT_TRUE(testing::InstallProgramIn(folder));
    const auto content = testing::FileOf(testing::FourPeopleAroundChristmas());
    testing::WriteWholeFile(
        folder.File("data.dat"),
        std::string(reinterpret_cast<const char*>(content.data()), content.size()));
    RunningProgram program(folder.File("natalo.exe"));
    HWND birthdays = nullptr;
    ASSERT_TRUE(testing::WaitUntil([&] {
        const std::vector<HWND> shown = testing::VisibleBirthdayWindows(program);
        birthdays = shown.empty() ? nullptr : shown.front();
        return birthdays != nullptr;
    }));
    ASSERT_TRUE(Activate(birthdays));
    // Shown at start-up, the window has the focus on its first command.
    HWND focus = nullptr;
    ASSERT_TRUE(testing::WaitUntil([&] {
        focus = FocusOf(birthdays);
        return focus && ::IsChild(birthdays, focus);
    }));

    // Tab by Tab, each press moving the focus to another command of the window, until the
    // print picture has it. Every command is passed at most once on the way.
    std::set<HWND> passed{focus};
    while (testing::WindowText(focus) != "print birthdays") {
        ASSERT_LT(passed.size(), 64u) << "Tab never reached the print picture";
        ASSERT_TRUE(testing::RunXdotool("key Tab"));
        const HWND before = focus;
        ASSERT_TRUE(testing::WaitUntil([&] {
            focus = FocusOf(birthdays);
            return focus != before;
        })) << "Tab did not move the focus from "
            << testing::WindowText(before);
        ASSERT_TRUE(::IsChild(birthdays, focus));
        ASSERT_TRUE(passed.insert(focus).second)
            << "Tab came back to " << testing::WindowText(focus);
    }
    EXPECT_EQ(testing::ClassNameOf(focus), "Button");

    ASSERT_TRUE(testing::RunXdotool("key Return"));
    EXPECT_TRUE(testing::WaitUntil([&] {
        for (HWND window : program.Windows()) {
            if (::IsWindowVisible(window) && testing::HasChildOfClass(window, "NataloPagePreview"))
                return true;
        }
        return false;
    }));
}

}  // namespace
}  // namespace natalo
