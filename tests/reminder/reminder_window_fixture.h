// The reminder's windows of a program started over a real data file in a scratch folder,
// with a fixed today (20 December 2026), fixed regional settings (dd.MM.yyyy) and the
// shell replaced by a list of the addresses it would have opened.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program_fixture.h"

namespace natalo::testing {

class ReminderWindowTest : public ProgramTest {
  protected:
    // Writes the records as data.dat, then creates the windows as start-up does.
    void Start(const std::vector<AddressRecord>& records = {}) {
        ProgramTest::Start(records);
        TakeWindows();
    }
    void StartWithFile(const std::string& content) {
        ProgramTest::StartWithFile(content);
        TakeWindows();
    }
    TfrmDisp& ShowBirthdayWindow() { return program->BirthdayWindowsOfRun().ShowNew(); }

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

    TForm1* form1 = nullptr;
    TForm3* form3 = nullptr;
    TAbout* about = nullptr;
    std::vector<std::string>& opened = shell.opened;  // what the shell was asked to open

  private:
    void TakeWindows() {
        form1 = &program->Form1();
        form3 = &program->Form3();
        about = &program->About();
    }
};

}  // namespace natalo::testing
