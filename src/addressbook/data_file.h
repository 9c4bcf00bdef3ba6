// The address book's data file "data.dat": a plain sequence of 368-byte records, no
// header. One instance holds the program's one open handle for the whole run; every
// change is followed by closing and reopening the file, which is what makes it durable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "addressbook/address_record.h"
#include "platform/file_system.h"

namespace natalo {

class DataFile {
  public:
    // The directory ends with its separator; the file is directory + "data.dat".
    DataFile(FileSystem& fileSystem, std::string directory);

    const std::string& Path() const { return path_; }
    bool IsOpen() const { return file_ != nullptr; }

    // Opens the file, or creates it when it is missing or holds no whole record.
    void OpenDataFile();
    // Closes the file and opens it again, positioned at record 0.
    void ResetOpenFile();

    // Whole records in the file; a partial tail does not count.
    std::size_t RecordCount();
    // The current position in records (the next record read or written).
    std::size_t Position() const { return position_; }
    void Seek(std::size_t recordIndex);
    void SeekEnd() { Seek(RecordCount()); }

    // Reads the record at the index; the position is then index + 1.
    AddressRecord ReadRecord(std::size_t index);

    using RecordVisitor = std::function<void(std::size_t index, const AddressRecord&)>;
    // Reads every record from record 0 in file order; a partial tail after the last
    // whole record fails with "read past the end" once the whole records were visited.
    void ScanRecords(const RecordVisitor& visit);

    // Writes the record at the index, or after the last whole record when the index is
    // negative. Does not reopen the file.
    void WriteRecord(long index, const AddressRecord& record);

    // Removes the record at the index: the records behind it move down in large blocks
    // and the file shrinks by one record; then the file is reopened.
    void DeleteRecord(std::size_t index);

  private:
    File& OpenFile();
    void ReadExactly(std::uint64_t offset, std::span<std::byte> data);
    void WriteExactly(std::uint64_t offset, std::span<const std::byte> data);

    FileSystem& fileSystem_;
    std::string path_;
    std::unique_ptr<File> file_;
    std::size_t position_ = 0;
};

}  // namespace natalo
