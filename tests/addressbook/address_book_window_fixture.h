// The main window and the address editor over a real data file in a scratch folder, with
// fixed regional settings (dd.MM.yyyy) and the default error handler's texts collected.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "addressbook/address_editor.h"
#include "addressbook/main_window.h"
#include "platform/win32_file_system.h"
#include "support/fake_clock.h"
#include "support/fake_regional_settings.h"
#include "support/records.h"
#include "ui/ui_test_support.h"
#include "win32/temp_folder.h"

namespace natalo::testing {

class AddressBookWindowTest : public ui::testing::UiTest {
  protected:
    // Writes the records as data.dat, then creates the windows as start-up does.
    void Start(const std::vector<AddressRecord>& records = {}) {
        editor.reset();
        input.reset();
        const auto bytes = FileOf(records);
        WriteWholeFile(folder.File("data.dat"),
                       std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        input = std::make_unique<TInput>(environment);
        editor = std::make_unique<Tfrmerf>();
    }
    void TearDown() override {
        editor.reset();
        input.reset();
        ui::testing::UiTest::TearDown();
    }

    std::string FileBytes() const { return ReadWholeFile(folder.File("data.dat")); }
    std::size_t RecordsOnDisk() const { return FileBytes().size() / kRecordSize; }
    AddressRecord RecordOnDisk(std::size_t index) const {
        const std::string bytes = FileBytes();
        RecordBytes record;
        std::memcpy(record.data(), bytes.data() + index * kRecordSize, kRecordSize);
        return DecodeRecord(record);
    }
    // The texts of a list column as the list view shows them, row by row.
    std::vector<std::string> ListColumn(int column) const {
        std::vector<std::string> texts;
        for (int row = 0; row < input->lvHeaders().ItemCount(); ++row) {
            texts.push_back(input->lvHeaders().ItemText(row, column));
        }
        return texts;
    }
    // Selects the row showing this first name; -1 when there is none.
    int SelectRowOf(const std::string& firstName) {
        for (int row = 0; row < input->lvHeaders().ItemCount(); ++row) {
            if (input->lvHeaders().ItemText(row, 2) == firstName) {
                input->lvHeaders().SetSelectedIndex(row);
                return row;
            }
        }
        return -1;
    }
    // Clicks a column header as the user does: the list's notification to its parent.
    void ClickColumn(int column) {
        NMLISTVIEW click{};
        click.hdr.hwndFrom = input->lvHeaders().Handle();
        click.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(input->lvHeaders().Handle()));
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        ::SendMessageA(input->Handle(), WM_NOTIFY, click.hdr.idFrom,
                       reinterpret_cast<LPARAM>(&click));
    }

    TempFolder folder;
    FakeClock clock;
    FakeRegionalSettings regional{"dd.MM.yyyy", "."};
    Win32FileSystem files;
    Environment environment{clock, regional, files, folder.Path()};
    std::unique_ptr<TInput> input;
    std::unique_ptr<Tfrmerf> editor;
};

}  // namespace natalo::testing
