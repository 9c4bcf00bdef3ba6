// natalo.exe started with a prepared address book on a fixed day (libfaketime under Wine)
// and German short dates: the birthday window it shows, read from this second process,
// and a screenshot of it for people to look at. The test entry e2e_birthday_window_144
// runs it again with the display at 144 DPI (NATALO_TEST_DPI tells it so).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>

#include "addressbook/address_record.h"
#include "platform/calendar.h"
#include "support/records.h"
#include "win32/program_driver.h"
#include "win32/screenshot.h"
#include "win32/temp_folder.h"

namespace natalo {
namespace {

using namespace std::chrono_literals;
using testing::RunningProgram;
using testing::Screenshot;
using testing::TempFolder;

// The user's short date format for the test's duration, put back afterwards.
class ShortDateFormat {
  public:
    explicit ShortDateFormat(const char* format, const char* separator) {
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format_, sizeof format_);
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator_, sizeof separator_);
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format);
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator);
    }
    ~ShortDateFormat() {
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format_);
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator_);
    }

  private:
    char format_[80] = {};
    char separator_[8] = {};
};

// The fixed day comes from libfaketime, which must be in the Unix environment of the
// Wine process that starts natalo.exe: Wine starts its programs with the Unix environment
// of their parent. The e2e_birthday_window test entry sets it for this whole test process.
bool RunsOnAFixedDay() {
    char value[64] = {};
    return ::GetEnvironmentVariableA("FAKETIME", value, sizeof value) > 0 &&
           std::string(value) == "@2026-12-20 10:00:00";
}

// The display's DPI that the test entry set for the program (96 unless told).
int DisplayDpi() {
    char value[16] = {};
    return ::GetEnvironmentVariableA("NATALO_TEST_DPI", value, sizeof value) > 0 ? std::atoi(value)
                                                                                 : 96;
}

// Every label text of the window (links are buttons) with its top-left corner in client
// coordinates.
std::multimap<std::string, POINT> LabelsOf(HWND window) {
    std::multimap<std::string, POINT> labels;
    for (HWND child : testing::ChildWindows(window)) {
        const std::string className = testing::ClassNameOf(child);
        if (className != "NataloLabel" && className != "Button")
            continue;
        RECT rect{};
        ::GetWindowRect(child, &rect);
        POINT corner{rect.left, rect.top};
        ::ScreenToClient(window, &corner);
        labels.emplace(testing::WindowText(child), corner);
    }
    return labels;
}

TEST(BirthdayWindowEndToEnd, ShowsTheBirthdaysOfTheFixedDayWithGermanDates) {
    if (!RunsOnAFixedDay())
        GTEST_SKIP() << "needs the fixed day of the e2e_birthday_window test entry";
    TempFolder folder;
    ASSERT_TRUE(testing::InstallProgramIn(folder));
    const auto content = testing::FileOf(testing::FourPeopleAroundChristmas());
    testing::WriteWholeFile(
        folder.File("data.dat"),
        std::string(reinterpret_cast<const char*>(content.data()), content.size()));

    ShortDateFormat germanDates("dd.MM.yyyy", ".");
    auto program = std::make_unique<RunningProgram>(folder.File("natalo.exe"));
    HWND window = nullptr;
    ASSERT_TRUE(testing::WaitUntil([&] {
        const std::vector<HWND> shown = testing::VisibleBirthdayWindows(*program);
        window = shown.empty() ? nullptr : shown.front();
        return window != nullptr;
    }));
    std::multimap<std::string, POINT> labels;
    testing::WaitUntil(
        [&] {
            labels = LabelsOf(window);
            return labels.count("Anna Muster (42.)") > 0;
        },
        5s);

    const std::vector<std::pair<std::string, POINT>> expected{
        {"Recent Birthdays:", {9, 333}},
        {"Sun, 20.12.", {170, 48}},
        {"Tom Today (36.)", {190, 63}},
        {"Thu, 24.12.", {170, 96}},
        {"Anna Muster (42.)", {190, 111}},
        {"Tue, 05.01..", {170, 141}},
        {"Bert Brown (77.)", {190, 156}},
        {"Fri, 10.12..", {170, 186}},
        {"Clara Klein (57.)", {190, 201}},
        {"Thu, 10.12. Clara Klein", {10, 347}},
        {"Mon, 05.01. Bert Brown", {10, 359}},
        {"\xA9 2003-2026 Zarnik Computers", {4, 544}},
        {"Search a present", {190, 80}},
        {"automate", {290, 128}},
        {"Automat", {290, 173}}};
    // At another DPI every place is the layout's times DPI / 96.
    const int dpi = DisplayDpi();
    const auto scaled = [dpi](int layoutPixels) { return ::MulDiv(layoutPixels, dpi, 96); };
    for (const auto& [text, position] : expected) {
        const auto found = labels.find(text);
        ASSERT_NE(found, labels.end()) << text;
        bool atPlace = false;
        for (auto it = labels.equal_range(text).first; it != labels.equal_range(text).second; ++it)
            atPlace = atPlace ||
                      (it->second.x == scaled(position.x) && it->second.y == scaled(position.y));
        EXPECT_TRUE(atPlace) << text << " not at " << position.x << "," << position.y << " × "
                             << dpi << " / 96";
    }
    EXPECT_EQ(labels.count("Search a present"), 4u);

    RECT outer{};
    ::GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, scaled(380));
    // The title band drawn in the client area (30 pixels high, its middle row halfway between
    // 47,111,189 and 36,92,164) and, in the picture below it, a balloon and the present. The
    // screen shows the window's colours as they are, without its opacity of 240.
    EXPECT_TRUE(testing::ShowsOnScreen(
        window, dpi == 96 ? "birthday-window-e2e.png" : "birthday-window-e2e-144dpi.png",
        [&](const Screenshot& shot) {
            const int width = shot.ClientArea().right - shot.ClientArea().left;
            return testing::AllOf(
                {shot.HasColourAt(shot.FromClient(width - 3, scaled(15)), RGB(42, 102, 177), 2),
                 shot.HasColourAt(shot.FromClient(scaled(52), scaled(122)), RGB(0xE0, 0x45, 0x7B),
                                  16),
                 shot.HasColourAt(shot.FromClient(scaled(50), scaled(292)), RGB(0x2F, 0x9E, 0x5B),
                                  16)});
        }));
}

}  // namespace
}  // namespace natalo
