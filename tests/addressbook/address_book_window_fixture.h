// The main window and the address editor of a program started over a real data file in a
// scratch folder, with fixed regional settings (dd.MM.yyyy) and the default error
// handler's texts collected.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program_fixture.h"

namespace natalo::testing {

class AddressBookWindowTest : public ProgramTest {
  protected:
    // Writes the records as data.dat, then creates the windows as start-up does.
    void Start(const std::vector<AddressRecord>& records = {}) {
        ProgramTest::Start(records);
        editor = &program->frmerf();
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

    Tfrmerf* editor = nullptr;
};

}  // namespace natalo::testing
