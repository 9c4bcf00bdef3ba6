// natalo-bench: prints how long the address book's heavy operations take on a
// 100,000-record data file. Run under Wine: `tools/wine-run build/windows/natalo-bench.exe`.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "addressbook/address_book.h"
#include "addressbook/address_list.h"
#include "platform/win32_environment.h"
#include "platform/win32_file_system.h"

namespace {

using namespace natalo;

constexpr int kRecords = 100000;

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* what, double seconds) {
    std::printf("%-46s %8.3f s\n", what, seconds);
}

class NoView : public AddressBookView {
  public:
    void ShowRecordDetails(const AddressRecord&) override {}
    void RefreshList() override {}
};

std::string TempFolder() {
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    std::string folder =
        std::string(base) + "natalo-bench-" + std::to_string(::GetCurrentProcessId()) + "\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

}  // namespace

int main() {
    const std::string folder = TempFolder();
    Win32FileSystem files;
    Win32RegionalSettings settings;
    {
        DataFile data(files, folder);
        data.OpenDataFile();

        Report("write 100,000 records (one write each)", Seconds([&] {
                   AddressRecord r;
                   r.Street = "Hauptstraße 1";
                   r.Country = "Germany";
                   for (int i = 0; i < kRecords; ++i) {
                       r.LastName = "Name" + std::to_string((i * 7919) % kRecords);
                       r.FirstName = "First" + std::to_string(i);
                       r.City = "City" + std::to_string((i * 104729LL) % 997);
                       r.Birthday = 20000 + (i * 37) % 20000;
                       data.WriteRecord(-1, r);
                   }
                   data.ResetOpenFile();
               }));

        AddressList list;
        Report("address list rebuild (scan, rows, default order)",
               Seconds([&] { list.Rebuild(data, settings); }));
        Report("sort by City (locale comparison)",
               Seconds([&] { list.SortByColumn(6, settings); }));
        Report("sort by Birthday (dates)", Seconds([&] { list.SortByColumn(3, settings); }));

        NoView view;
        AddressBook book(data, view);
        Report("delete the first record", Seconds([&] { book.DeleteRecord(0); }));
        book.Pending = AddressRecord{};
        book.Pending.FirstName = "New";
        Report("save one record (append and reopen)", Seconds([&] { book.Save(); }));
    }
    ::DeleteFileA((folder + "data.dat").c_str());
    ::RemoveDirectoryA(folder.c_str());
    return 0;
}
