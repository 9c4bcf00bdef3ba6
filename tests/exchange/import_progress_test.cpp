// Long and failing work on the address book as real windows under Wine: an import stopped
// by a full disk or by "Cancel" goes on without doubles, a long import shows its count and
// keeps the dialog answering, and a read-only address book is shown but never changed.
#include <gtest/gtest.h>

#include <chrono>

#include "exchange/exchange_window_fixture.h"
#include "platform/io_error.h"

// After windows.h, which it needs.
#include <commctrl.h>

namespace natalo {
namespace {

using testing::Person;
using ui::testing::RunLater;

class ImportProgressTest : public testing::ExchangeWindowTest {
  protected:
    // "P<first>;Berg" to "P<first + count - 1>;Berg", one line each.
    static std::string Lines(int first, int count) {
        std::string text;
        for (int i = first; i < first + count; ++i)
            text += "P" + std::to_string(i) + ";Berg\r\n";
        return text;
    }
    static std::vector<std::string> Names(int count) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i)
            names.push_back("P" + std::to_string(i));
        return names;
    }
};

TEST_F(ImportProgressTest, AfterAFullDiskImportGoesOnWhereItStopped) {
    Start({Person("Existing")});
    files.writesLeft = 2;
    ImportThroughCommand("\r\n" + Lines(0, 2) + "\r\n" + Lines(2, 3));
    EXPECT_EQ(errorsOfTheImport, (std::vector<std::string>{"Zu wenig Speicherplatz."}));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"2 von 5 Zeilen gespeichert."}));
    EXPECT_EQ(dialog->Import().Text(), Lines(2, 3)) << "the lines from the failed one on";
    EXPECT_EQ(testing::FileSizeOf(DataPath()), static_cast<long long>(3 * kRecordSize));

    files.writesLeft.reset();
    ImportThroughCommand(std::nullopt);
    std::vector<std::string> expected{"Existing"};
    for (const std::string& name : Names(5))
        expected.push_back(name);
    EXPECT_EQ(FirstNamesOnDisk(), expected);
    EXPECT_EQ(messages.texts.back(), "Daten gespeichert!");
}

// Clicks "Cancel" from the progress itself, as soon as the dialog shows that some lines
// were done (it shows the count of every line), and notes what the user saw then.
class CancelWhileWorking {
  public:
    explicit CancelWhileWorking(TfrmImport& dialog) : dialog_(dialog) {
        dialog_.SetProgressInterval(std::chrono::milliseconds(0));
        ::SetWindowSubclass(dialog_.ProgressLine().Handle(), &CancelWhileWorking::Watch, 1,
                            reinterpret_cast<DWORD_PTR>(this));
    }
    ~CancelWhileWorking() {
        ::RemoveWindowSubclass(dialog_.ProgressLine().Handle(), &CancelWhileWorking::Watch, 1);
        dialog_.SetProgressInterval(std::chrono::milliseconds(200));
    }

    std::string shownCount;
    bool waitCursor = false;

  private:
    static LRESULT CALLBACK Watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self) {
        auto& watch = *reinterpret_cast<CancelWhileWorking*>(self);
        if (message == WM_SETTEXT && watch.shownCount.empty() && watch.dialog_.Working()) {
            const std::string count = reinterpret_cast<const char*>(lParam);
            if (!count.empty() && count.rfind("0 von ", 0) != 0) {
                watch.shownCount = count;
                watch.waitCursor = ui::App().Busy();
                watch.dialog_.cmdCancel().Click();
            }
        }
        return ::DefSubclassProc(window, message, wParam, lParam);
    }

    TfrmImport& dialog_;
};

TEST_F(ImportProgressTest, CancelStopsALongImportBetweenTwoLinesAndImportGoesOn) {
    Start();
    constexpr int kLines = 3000;
    std::string shownCount;
    {
        CancelWhileWorking cancel(*dialog);
        ImportThroughCommand(Lines(0, kLines));
        shownCount = cancel.shownCount;
        EXPECT_TRUE(cancel.waitCursor);
    }
    EXPECT_EQ(shownCount, "1 von 3000 Zeilen gespeichert.");
    ASSERT_EQ(messages.texts.size(), 1u);
    const int saved = static_cast<int>(RecordsOnDisk());
    EXPECT_EQ(saved, 1) << "the import did not stop at once";
    EXPECT_EQ(messages.texts[0], "1 von 3000 Zeilen gespeichert.");
    EXPECT_TRUE(dialogStayedOpen);
    EXPECT_TRUE(errorsOfTheImport.empty());
    EXPECT_TRUE(dialog->Import().Text() == Lines(saved, kLines - saved));
    EXPECT_EQ(dialog->ProgressLine().Text(), "");
    EXPECT_FALSE(ui::App().Busy());

    ImportThroughCommand(std::nullopt);
    EXPECT_TRUE(FirstNamesOnDisk() == Names(kLines)) << "each line saved once";
}

TEST_F(ImportProgressTest, LoadingALongListShowsItsCountAndCancelLeavesNoHalfList) {
    Start();
    const std::string list = Lines(0, 120000);
    chosenFile = folder.File("list.txt");
    testing::WriteWholeFile(*chosenFile, list);
    {
        CancelWhileWorking cancel(*dialog);
        dialog->cmdOpenFile().Click();
        ASSERT_FALSE(cancel.shownCount.empty()) << "no count was shown";
        EXPECT_NE(cancel.shownCount.find(" von 120000 Zeilen geladen."), std::string::npos);
        EXPECT_TRUE(cancel.waitCursor);
    }
    EXPECT_EQ(dialog->Import().Text(), "");
    EXPECT_FALSE(dialog->Working());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(errors_.empty());
}

TEST_F(ImportProgressTest, ReadOnlyAddressBookIsShownAndEveryChangeIsRefused) {
    const std::string before = testing::FileTextOf({Person("Anna", "Berg"), Person("Ben", "Cole")});
    testing::WriteWholeFile(DataPath(), before);
    ASSERT_TRUE(::SetFileAttributesA(DataPath().c_str(), FILE_ATTRIBUTE_READONLY));
    StartOverDataFile();
    dialog = &program->frmImport();
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"The address book in " + folder.Path() +
                                        " can only be read. Changes cannot be saved."}));
    EXPECT_EQ(input->lvHeaders().ItemCount(), 2);
    program->Start();
    ASSERT_NE(program->frmDisp(), nullptr);
    EXPECT_TRUE(program->frmDisp()->Visible());
    EXPECT_TRUE(errors_.empty());

    // "&Save" in the editor, "Delete address" and "Import" are each refused.
    input->lvHeaders().SetSelectedIndex(0);
    RunLater([this] {
        program->frmerf().txtvname().SetText("Changed");
        program->frmerf().cmdSave().Click();
        program->frmerf().Close();
    });
    input->ChangeClick();
    input->lvHeaders().SetSelectedIndex(0);
    ui::App().Guard([this] { input->DeleteClick(); });
    ImportThroughCommand("Carl;Dorn\r\n");
    EXPECT_EQ(errors_, (std::vector<std::string>(3, "Dateizugriff verweigert.")));
    EXPECT_EQ(messages.texts.back(), "0 von 1 Zeilen gespeichert.");
    EXPECT_EQ(testing::ReadWholeFile(DataPath()), before);
    EXPECT_EQ(testing::FileSizeOf(DataPath() + ".tmp"), -1);
    EXPECT_EQ(input->lvHeaders().ItemCount(), 2);
}

}  // namespace
}  // namespace natalo
