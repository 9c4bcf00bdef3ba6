// natalo-demo-seed: writes a demo address book into a folder's data.dat through the
// program's own record code, so that a first start shows the program working.
// Usage: natalo-demo-seed FOLDER   (the folder must exist; an existing data.dat is kept)
#include <cstdio>
#include <exception>

#include "addressbook/address_book.h"
#include "app/demo_people.h"
#include "platform/win32_environment.h"
#include "platform/win32_file_system.h"

namespace {

class NoView : public natalo::AddressBookView {
  public:
    void ShowRecordDetails(const natalo::AddressRecord&) override {}
    void RefreshList() override {}
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: natalo-demo-seed FOLDER\n");
        return 2;
    }
    try {
        std::string folder = argv[1];
        if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
            folder += '\\';
        natalo::Win32FileSystem files;
        if (files.Exists(folder + "data.dat")) {
            std::printf("%sdata.dat exists; left as it is\n", folder.c_str());
            return 0;
        }
        natalo::DataFile data(files, folder);
        data.OpenDataFile();
        NoView view;
        natalo::AddressBook book(data, view);
        const auto people = natalo::DemoPeople(natalo::Win32Clock().Today());
        for (const auto& person : people) {
            book.Pending = person;
            book.RecordIndex = -1;
            book.Save();
        }
        std::printf("wrote %zu people to %s\n", people.size(), data.Path().c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "natalo-demo-seed: %s.\n", e.what());
        return 1;
    }
}
