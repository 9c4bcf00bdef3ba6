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
#include "exchange/address_export.h"
#include "exchange/address_import.h"
#include "exchange/birthday_calendar.h"
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

// A scratch folder with a data file of `count` varied records, removed at the end.
class BenchFolder {
  public:
    explicit BenchFolder(int count) {
        char base[MAX_PATH];
        ::GetTempPathA(MAX_PATH, base);
        path_ =
            std::string(base) + "natalo-bench-" + std::to_string(::GetCurrentProcessId()) + "\\";
        ::CreateDirectoryA(path_.c_str(), nullptr);
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(count) * kRecordSize);
        AddressRecord r;
        r.Street = "Hauptstraße 1";
        r.Country = "Germany";
        for (int i = 0; i < count; ++i) {
            r.LastName = "Name" + std::to_string((i * 7919LL) % count);
            r.FirstName = "First" + std::to_string(i);
            r.City = "City" + std::to_string((i * 104729LL) % 997);
            r.Birthday = 20000 + (i * 37) % 20000;
            const RecordBytes record = EncodeRecord(r);
            bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
        }
        UniqueFile file(::CreateFileA(DataPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      0, nullptr));
        DWORD written = 0;
        ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    ~BenchFolder() {
        ::DeleteFileA(DataPath().c_str());
        ::RemoveDirectoryA(path_.c_str());
    }
    const std::string& Path() const { return path_; }
    std::string DataPath() const { return path_ + "data.dat"; }

  private:
    std::string path_;
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
    Report("core: list rebuild (scan, rows, default order)",
           Seconds([&] { list.Rebuild(data, settings); }));
    Report("core: sort by City (lstrcmpA)", Seconds([&] { list.SortByColumn(6, settings); }));
    Report("core: sort by Birthday (dates)", Seconds([&] { list.SortByColumn(3, settings); }));
    NoView view;
    AddressBook book(data, view);
    Report("core: delete the first record", Seconds([&] { book.DeleteRecord(0); }));
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
    BenchBirthdayWindow();
    BenchPrintWindow();
    bench::BenchPreview();
    return 0;
}
