// natalo-bench: prints how long the heavy operations take on large address books.
// Figures, not tests. Run under Wine:
//   tools/with-display build/windows/wineprefix tools/wine-run build/windows/bench/natalo-bench.exe
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "addressbook/address_book.h"
#include "addressbook/address_list.h"
#include "app/program.h"
#include "bench_folder.h"
#include "exchange/address_export.h"
#include "exchange/address_import.h"
#include "exchange/import_text.h"
#include "exchange/win32_ansi_converter.h"
#include "platform/date_format.h"
#include "platform/win32_environment.h"
#include "platform/win32_file_system.h"
#include "ui/application.h"

namespace {

using namespace natalo;
using bench::BenchFolder;

constexpr int kRecords = 100000;

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* what, double seconds) {
    std::printf("%-52s %8.3f s\n", what, seconds);
}

class NoView : public AddressBookView {
  public:
    void ShowRecordDetails(const AddressRecord&) override {}
    void RefreshList() override {}
};

// The address book's core operations, without windows.
void BenchAddressBookCore() {
    BenchFolder folder(kRecords);
    Win32FileSystem files;
    Win32RegionalSettings settings;
    DataFile data(files, folder.Path());
    data.OpenDataFile();
    AddressList list;
    Report("core: list rebuild (read, default order)",
           Seconds([&] { list.Rebuild(data, settings); }));
    Report("core: sort by City (locale order)", Seconds([&] { list.SortByColumn(6, settings); }));
    Report("core: sort by Birthday (dates)", Seconds([&] { list.SortByColumn(3, settings); }));
    NoView view;
    AddressBook book(data, view);
    Report("core: delete the first record (copy, flush, swap)",
           Seconds([&] { book.DeleteRecord(0); }));
    // What the flush of a deletion's scratch file costs on its own.
    {
        std::vector<std::byte> records;
        data.ReadWholeRecords(records);
        const auto scratch = files.Open(data.ScratchPath(), OpenMode::kCreate);
        Report("core: 100,000 records written to a new file",
               Seconds([&] { scratch->WriteAt(0, records); }));
        Report("core: ... and flushed to the disk", Seconds([&] { scratch->Flush(); }));
    }
    files.Remove(data.ScratchPath());
    book.Pending.FirstName = "New";
    Report("core: save one record (append and reopen)", Seconds([&] { book.Save(); }));
}

// The main window over 100,000 records: what the user waits for.
void BenchMainWindow() {
    BenchFolder folder(kRecords);
    Win32Clock clock;
    Win32RegionalSettings settings;
    Win32FileSystem files;
    Win32Shell shell;
    const Environment environment{clock, settings, files, folder.Path(), shell};
    std::unique_ptr<Program> program;
    Report("program: every window created (open file, fill the list)",
           Seconds([&] { program = std::make_unique<Program>(environment); }));
    TInput* input = &program->Input();
    input->Show();
    ui::App().ProcessMessages();
    Report("main window: RefreshList", Seconds([&] {
               input->RefreshList();
               ui::App().ProcessMessages();
           }));
    Report("main window: sort by City", Seconds([&] {
               input->ColumnClick(6);
               ui::App().ProcessMessages();
           }));
    Report("main window: sort by Birthday", Seconds([&] {
               input->ColumnClick(3);
               ui::App().ProcessMessages();
           }));
    const int firstRecordRow = [&] {
        for (int row = 0; row < input->lvHeaders().ItemCount(); ++row) {
            if (input->List().RecordIndexOfRow(row) == 0)
                return row;
        }
        return -1;
    }();
    input->lvHeaders().SetSelectedIndex(firstRecordRow);
    Report("main window: delete the first record (and rebuild)", Seconds([&] {
               input->DeleteClick();
               ui::App().ProcessMessages();
           }));
}

void CALLBACK AnswerInformationMessage(HWND, UINT, UINT_PTR, DWORD) {
    if (HWND box = ::FindWindowA("#32770", "Information"))
        ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

// The Data menu's export over 100,000 records, and an import of 10,000 lines through the
// import dialog's text box and the main window's Save (a write and a reopen per record).
void BenchExchange() {
    Win32Clock clock;
    Win32RegionalSettings settings;
    Win32FileSystem files;
    {
        BenchFolder folder(kRecords);
        DataFile data(files, folder.Path());
        data.OpenDataFile();
        const std::string exportPath = folder.Path() + "export.txt";
        Report("export: 100,000 records to a list file",
               Seconds([&] { ExportAddresses(data, settings, files, exportPath); }));
        ::DeleteFileA(exportPath.c_str());
    }
    BenchFolder folder(0);
    Win32Shell shell;
    const Environment environment{clock, settings, files, folder.Path(), shell};
    Program program(environment);
    TInput* input = &program.Input();
    TfrmImport* dialog = &program.frmImport();
    const std::string birthday = ShortDateText(DateValue({1971, 4, 3}), settings);
    std::string list;
    for (int i = 0; i < 10000; ++i) {
        list += "First" + std::to_string(i) + ";Name" + std::to_string(i % 997) + ";" + birthday +
                ";m;Hauptstraße 1;12345;City;Germany;0228 1;;0171 2;a@b.de;;\r\n";
    }
    Report("import: 10,000 lines into the text box",
           Seconds([&] { dialog->Import().SetText(list); }));
    // "Import" as the user clicks it: every line saved, "Daten gespeichert!" (answered
    // at once), the dialog closed and the list rebuilt.
    const UINT_PTR answer = ::SetTimer(nullptr, 0, 10, &AnswerInformationMessage);
    PrepareImport(input->Book());
    Report("import: 10,000 lines saved, then the list rebuilt",
           Seconds([&] { dialog->cmdImport().Click(); }));
    ::KillTimer(nullptr, answer);
}

// "Open file ..." with a list of 10 MB (130,000 lines, UTF-8 with umlauts): reading the
// file, converting it to ANSI, and the text box taking it.
void BenchListFile() {
    Win32Clock clock;
    Win32RegionalSettings settings;
    Win32FileSystem files;
    BenchFolder folder(0);
    const std::string path = folder.Path() + "list.txt";
    std::string list;
    for (int i = 0; list.size() < 10'000'000; ++i) {
        list += "First" + std::to_string(i) +
                ";M\xC3\xBCller;03.04.1971;m;Hauptstra\xC3\x9F"
                "e 1;12345;K\xC3\xB6ln;Germany;;;;;\n";
    }
    {
        const auto file = files.Open(path, OpenMode::kCreate);
        file->WriteAt(0, std::as_bytes(std::span(list)));
    }
    std::string bytes(list.size(), '\0');
    Report("open file: 10 MB list read", Seconds([&] {
               files.Open(path, OpenMode::kReadOnly)
                   ->ReadAt(0, std::as_writable_bytes(std::span(bytes)));
           }));
    ImportFileText text;
    Report("open file: 10 MB list converted to ANSI, CR LF",
           Seconds([&] { text = DecodeImportFile(bytes, Win32AnsiConverter()); }));
    Win32Shell shell;
    const Environment environment{clock, settings, files, folder.Path(), shell};
    Program program(environment);
    TfrmImport& dialog = program.frmImport();
    dialog.Show();
    ui::App().ProcessMessages();
    Report("open file: 10 MB list into the text box", Seconds([&] {
               dialog.Import().SetText(text.text);
               ui::App().ProcessMessages();
           }));
    Report("import: 10 MB list read back from the text box",
           Seconds([&] { text.text = dialog.Import().Text(); }));
    dialog.Hide();
    ::DeleteFileA(path.c_str());
}

// The birthday window over 100,000 records: from its showing (the data file scanned, the
// schedule built, the labels created) to a painted window.
void BenchBirthdayWindow() {
    BenchFolder folder(kRecords);
    Win32Clock clock;
    Win32RegionalSettings settings;
    Win32FileSystem files;
    Win32Shell shell;
    const Environment environment{clock, settings, files, folder.Path(), shell};
    Program program(environment);
    Report("birthday window: shown and fully built", Seconds([&] {
               program.Start();
               ui::App().ProcessMessages();
           }));
    Report("birthday window: the next showing (a new window)", Seconds([&] {
               program.Input().ShowBirthdays();
               ui::App().ProcessMessages();
           }));
}

}  // namespace

int main() {
    ui::App().Initialize(::GetModuleHandleA(nullptr));
    ui::App().SetTitle("Der Zozerodivodurorudu");
    std::printf("Natalo benchmarks, %d records\n", kRecords);
    BenchAddressBookCore();
    BenchMainWindow();
    BenchExchange();
    BenchListFile();
    BenchBirthdayWindow();
    return 0;
}
