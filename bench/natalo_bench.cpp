// natalo-bench: prints how long the heavy operations take on large address books.
// Figures, not tests. Run under Wine:
//   tools/with-display build/windows/wineprefix tools/wine-run build/windows/bench/natalo-bench.exe
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "addressbook/address_book.h"
#include "addressbook/address_list.h"
#include "app/program.h"
#include "bench_folder.h"
#include "exchange/address_export.h"
#include "exchange/address_import.h"
#include "exchange/birthday_calendar.h"
#include "exchange/import_text.h"
#include "exchange/vcard_export.h"
#include "exchange/vcard_import.h"
#include "exchange/win32_ansi_converter.h"
#include "platform/date_format.h"
#include "platform/win32_environment.h"
#include "platform/win32_file_system.h"
#include "preview_bench.h"
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

// The system's own clock, regional settings, files and shell.
struct SystemServices {
    Win32Clock clock;
    Win32RegionalSettings settings;
    Win32FileSystem files;
    Win32Shell shell;
    Environment EnvironmentFor(const std::string& folder) {
        return {clock, settings, files, folder, shell};
    }
};

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
    Report("core: list rebuild (read; the order waits for a look)",
           Seconds([&] { list.Rebuild(data, settings); }));
    Report("core: ... the default order, at the first look at a row",
           Seconds([&] { list.RecordIndexOfRow(0); }));
    Report("core: sort by City (locale order)", Seconds([&] { list.SortByColumn(6, settings); }));
    Report("core: sort by Birthday (dates)", Seconds([&] { list.SortByColumn(3, settings); }));
    NoView view;
    AddressBook book(data, view);
    Report("core: delete the first record (copy, flush, swap)",
           Seconds([&] { book.DeleteRecord(0); }));
    // What the flush of a deletion's scratch file costs on its own.
    {
        std::vector<std::byte> records;
        data.ScanRecordBlocks([&](std::size_t, std::span<const std::byte> block) {
            records.insert(records.end(), block.begin(), block.end());
        });
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
    SystemServices system;
    std::unique_ptr<Program> program;
    Report("program: every window created (open file, fill the list)", Seconds([&] {
               program = std::make_unique<Program>(system.EnvironmentFor(folder.Path()));
           }));
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
    SystemServices system;
    Win32RegionalSettings& settings = system.settings;
    Win32FileSystem& files = system.files;
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
    Program program(system.EnvironmentFor(folder.Path()));
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

// The vCard and iCalendar exports of 100,000 records, and the vCard file read back into
// import lines (the part of "Open file ..." that grows with the file).
void BenchVCardExchange() {
    std::vector<AddressRecord> records(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        AddressRecord& r = records[static_cast<std::size_t>(i)];
        r.FirstName = "Jürgen" + std::to_string(i);
        r.LastName = "Müller-Lüdenscheidt" + std::to_string(i % 997);
        r.Street = "Hauptstraße 1";
        r.Zip = "12345";
        r.City = "Köln";
        r.Mobile = "0171 2345678";
        r.Email = "juergen@example.de";
        r.Birthday = i % 10 == 0 ? DateValue({1604, 2, 29}) : 20000 + (i * 37) % 20000;
        r.Gender = "m";
    }
    std::string vcards;
    Report("vCard export: 100,000 records", Seconds([&] { vcards = WriteVCards(records); }));
    Report("iCalendar export: 100,000 birthdays", Seconds([&] {
               WriteBirthdayCalendar(records, UtcTime{{2026, 12, 8}, 12, 0, 0});
           }));
    Win32RegionalSettings settings;
    VCardImport lines;
    Report("vCard import: 100,000 cards to import lines",
           Seconds([&] { lines = VCardToImportLines(vcards, Win32AnsiConverter(), settings); }));
    if (lines.cards != records.size())
        std::printf("  (read %zu cards of %zu)\n", lines.cards, records.size());
}

// "Open file ..." with a list of 10 MB (130,000 lines, UTF-8 with umlauts): reading the
// file, converting it to ANSI, and the text box taking it.
void BenchListFile() {
    SystemServices system;
    Win32FileSystem& files = system.files;
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
    Program program(system.EnvironmentFor(folder.Path()));
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
    SystemServices system;
    Program program(system.EnvironmentFor(folder.Path()));
    Report("birthday window: shown and fully built", Seconds([&] {
               program.Start();
               ui::App().ProcessMessages();
           }));
    Report("birthday window: the next showing (a new window)", Seconds([&] {
               program.Input().ShowBirthdays();
               ui::App().ProcessMessages();
           }));
}

// The print window over 1,000 and 100,000 people: its showing records the whole list.
void BenchPrintWindow() {
    for (const int people : {1000, kRecords}) {
        BenchFolder folder(people);
        SystemServices system;
        Program program(system.EnvironmentFor(folder.Path()));
        program.Start();  // the birthday window leaves the print list
        ui::App().ProcessMessages();
        program.BirthdayWindowsOfRun().HideCurrent();
        TForm4& window = program.Form4();
        const auto start = std::chrono::steady_clock::now();
        double firstPage = -1;
        window.PagePreview1().OnNewPage = [&] {
            if (firstPage < 0)
                firstPage =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        };
        const double whole = Seconds([&] {
            window.Show();
            ui::App().ProcessMessages();
        });
        const std::string people_ = std::to_string(people);
        Report(("print window, " + people_ + " people: first page stored").c_str(),
               firstPage < 0 ? whole : firstPage);
        Report(("print window, " + people_ + " people: shown, " +
                std::to_string(window.PagePreview1().TotalPages()) + " pages recorded")
                   .c_str(),
               whole);
    }
}

}  // namespace

int main(int argc, char** argv) {
    ui::App().Initialize(::GetModuleHandleA(nullptr));
    ui::App().SetTitle("Der Zozerodivodurorudu");
    // "preview" runs the print preview's figures alone.
    if (argc > 1 && std::string(argv[1]) == "preview") {
        bench::BenchPreview();
        return 0;
    }
    // "print" runs the print window's figures alone.
    if (argc > 1 && std::string(argv[1]) == "print") {
        BenchPrintWindow();
        return 0;
    }
    std::printf("Natalo benchmarks, %d records\n", kRecords);
    BenchAddressBookCore();
    BenchMainWindow();
    BenchExchange();
    BenchVCardExchange();
    BenchListFile();
    BenchBirthdayWindow();
    BenchPrintWindow();
    bench::BenchPreview();
    return 0;
}
