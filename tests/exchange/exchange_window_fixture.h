// The main window and the import dialog of a program started over a real data file in a
// scratch folder, with fixed regional settings (dd.MM.yyyy), the list file dialogs
// answered by the test, the information messages answered with OK and the default error
// handler's texts collected.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program_fixture.h"

namespace natalo::testing {

// Clicks OK on every information message that comes up while it lives, and keeps the
// texts it showed.
class MessageAnswerer {
  public:
    MessageAnswerer() {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, 20, &MessageAnswerer::Tick);
    }
    ~MessageAnswerer() {
        ::KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    MessageAnswerer(const MessageAnswerer&) = delete;
    MessageAnswerer& operator=(const MessageAnswerer&) = delete;

    std::vector<std::string> texts;

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = ::FindWindowA("#32770", "Information");
        if (!current_ || !box || !::IsWindowVisible(box))
            return;
        current_->texts.push_back(ReadDialog(box).text);
        ::SendMessageA(FindChild(box, "Button", "OK"), BM_CLICK, 0, 0);
    }

    static inline MessageAnswerer* current_ = nullptr;
    UINT_PTR timer_ = 0;
};

class ExchangeWindowTest : public ProgramTest {
  protected:
    // Writes the records as data.dat, then creates the windows as start-up does.
    void Start(const std::vector<AddressRecord>& records = {}) {
        ProgramTest::Start(records);
        dialog = &program->frmImport();
    }
    void StartWithBytes(const std::string& dataFile) {
        ProgramTest::StartWithFile(dataFile);
        dialog = &program->frmImport();
    }

    // The Import command with the text typed into the dialog (or the text it kept) and
    // "Import" clicked. A dialog left open by a failure is closed afterwards.
    void ImportThroughCommand(const std::optional<std::string>& text) {
        ui::testing::RunLater([this, text] {
            if (text)
                dialog->Import().SetText(*text);
            dialog->cmdImport().Click();
            dialogStayedOpen = dialog->Visible();
            errorsOfTheImport = errors_;
            if (dialogStayedOpen)
                dialog->Close();
        });
        input->ImportClick();
    }

    // Data > Export, as the menu sends it.
    void ExportThroughMenu() {
        ::SendMessageA(input->Handle(), WM_COMMAND, static_cast<WPARAM>(input->ExportCommand()), 0);
    }

    TfrmImport* dialog = nullptr;
    MessageAnswerer messages;
    bool dialogStayedOpen = false;
    // What the default error handler was given before the dialog was closed.
    std::vector<std::string> errorsOfTheImport;
};

}  // namespace natalo::testing
