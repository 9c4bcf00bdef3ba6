// The reminder's windows over a real data file in a scratch folder, with a fixed today
// (20 December 2026), fixed regional settings (dd.MM.yyyy) and the shell replaced by a
// list of the addresses it would have opened.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "addressbook/main_window.h"
#include "app/program_windows.h"
#include "platform/win32_file_system.h"
#include "reminder/about_window.h"
#include "reminder/birthday_window.h"
#include "reminder/browser_window.h"
#include "reminder/shell_open.h"
#include "reminder/tell_a_friend_window.h"
#include "support/fake_clock.h"
#include "support/fake_regional_settings.h"
#include "support/records.h"
#include "ui/ui_test_support.h"
#include "win32/temp_folder.h"

namespace natalo::testing {

class ReminderWindowTest : public ui::testing::UiTest {
  protected:
    void SetUp() override {
        ui::testing::UiTest::SetUp();
        SetShellOpenHandler([this](const std::string& address) { opened.push_back(address); });
    }
    void TearDown() override {
        FreeBirthdayWindows();
        about.reset();
        form1.reset();
        form3.reset();
        input.reset();
        SetShellOpenHandler(nullptr);
        ui::testing::UiTest::TearDown();
    }

    // Writes the records as data.dat, then creates the windows as start-up does.
    void Start(const std::vector<AddressRecord>& records = {}) {
        const auto bytes = FileOf(records);
        StartWithFile(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    void StartWithFile(const std::string& content) {
        WriteWholeFile(folder.File("data.dat"), content);
        input = std::make_unique<TInput>(environment);
        form1 = std::make_unique<TForm1>();
        form3 = std::make_unique<TForm3>();
        about = std::make_unique<TAbout>();
    }
    TfrmDisp& ShowBirthdayWindow() { return ShowNewBirthdayWindow(*input); }

    // A mouse click as the window's own procedure sees it.
    static void Click(HWND window) {
        ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        ::SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    }
    static void Click(const ui::Window& window) { Click(window.Handle()); }

    // The tooltip text the form shows over an area registered for a control id.
    static std::string AreaTooltip(ui::Form& form, int controlId) {
        char buffer[512] = {};
        TTTOOLINFOA info{};
        info.cbSize = sizeof info;
        info.hwnd = form.Handle();
        info.uId = static_cast<UINT_PTR>(controlId);
        info.lpszText = buffer;
        ::SendMessageA(form.Tooltips().Handle(), TTM_GETTEXTA, sizeof buffer,
                       reinterpret_cast<LPARAM>(&info));
        return buffer;
    }

    static AddressRecord WithContacts(AddressRecord record, std::string email, std::string mobile) {
        record.Email = std::move(email);
        record.Mobile = std::move(mobile);
        return record;
    }

    TempFolder folder;
    FakeClock clock{{2026, 12, 20}};
    FakeRegionalSettings regional{"dd.MM.yyyy", "."};
    Win32FileSystem files;
    Environment environment{clock, regional, files, folder.Path()};
    std::unique_ptr<TInput> input;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TAbout> about;
    std::vector<std::string> opened;  // what the shell was asked to open
};

}  // namespace natalo::testing
