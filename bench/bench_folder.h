// The address book the benchmarks run on: a scratch folder with a data file of varied
// records (last names and cities repeat, first names do not), removed at the end.
#pragma once

#include <windows.h>

#include <string>

#include "addressbook/address_record.h"
#include "platform/win32_handle.h"

namespace natalo::bench {

// `count` varied records as the data file holds them.
inline std::string BenchRecords(int count) {
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
    return bytes;
}

class BenchFolder {
  public:
    explicit BenchFolder(int count, const std::string& name = "natalo-bench") {
        char base[MAX_PATH];
        ::GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + name + "-" + std::to_string(::GetCurrentProcessId()) + "\\";
        ::CreateDirectoryA(path_.c_str(), nullptr);
        const std::string bytes = BenchRecords(count);
        UniqueFile file(::CreateFileA(DataPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      0, nullptr));
        DWORD written = 0;
        ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    ~BenchFolder() {
        for (const char* file : {"data.dat", "data.dat.tmp"})
            ::DeleteFileA((path_ + file).c_str());
        ::RemoveDirectoryA(path_.c_str());
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string DataPath() const { return path_ + "data.dat"; }

  private:
    std::string path_;
};

}  // namespace natalo::bench
