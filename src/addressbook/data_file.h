// The address book's data file "data.dat": a plain sequence of 368-byte records, no
// header. One instance holds the program's one open handle for the whole run; every
// change is followed by closing and reopening the file, which is what makes it durable.
// No failure and no crash leaves a record half written or twice in the file: an append
// that fails is cut back, and a deletion writes the new file beside the old one and puts
// it in its place in one step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "addressbook/address_record.h"
#include "platform/file_system.h"

namespace natalo {

class DataFile {
  public:
    // The directory ends with its separator; the file is directory + "data.dat".
    DataFile(FileSystem& fileSystem, std::string directory);

    const std::string& Path() const { return path_; }
    // Where a deletion writes the records that stay, beside the data file.
    std::string ScratchPath() const { return path_ + ".tmp"; }
    bool IsOpen() const { return file_ != nullptr; }
    // The file could only be opened for reading: every change fails with "access denied"
    // and leaves the file alone.
    bool IsReadOnly() const { return readOnly_; }

    // Removes a scratch file that an interrupted deletion left, then opens the file for
    // reading and writing, or for reading only when writing is refused; a missing or
    // empty file is created anew. A file shorter than a record is kept: the scan reports
    // its partial record and the next append writes over it.
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

    // The record is the visitor's to keep (it may move it away).
    using RecordVisitor = std::function<void(std::size_t index, AddressRecord&&)>;
    // Reads every record from record 0 in file order; a partial tail after the last
    // whole record fails with "read past the end" once the whole records were visited.
    void ScanRecords(const RecordVisitor& visit);

    // The bytes of whole records as the file holds them, many records at a time, the first
    // of them at index `first`; they are valid during the call only.
    using BlockVisitor = std::function<void(std::size_t first, std::span<const std::byte> records)>;
    // Reads every record from record 0 in file order in blocks of many records, without
    // decoding them; a partial tail fails as in ScanRecords.
    void ScanRecordBlocks(const BlockVisitor& visit);

    // Writes the record at the index, or after the last whole record when the index is
    // negative. An append that fails part way (a full disk) cuts the file back to its
    // last whole record before the error goes on. Does not reopen the file.
    void WriteRecord(long index, const AddressRecord& record);

    // Removes the record at the index, then reopens the file. The records that stay are
    // written to the scratch file, which is flushed to the disk and then takes the data
    // file's place in one step; the last record is simply cut off. When anything fails,
    // the data file keeps every record and the scratch file is removed.
    void DeleteRecord(std::size_t index);

  private:
    File& OpenFile();
    File& WritableFile();
    std::unique_ptr<File> OpenExisting();
    void ReadExactly(std::uint64_t offset, std::span<std::byte> data);
    void WriteExactly(std::uint64_t offset, std::span<const std::byte> data);
    void WriteScratchWithout(std::size_t index, std::size_t count);
    void PutScratchInPlace();
    void RemoveScratchFile() noexcept;

    FileSystem& fileSystem_;
    std::string path_;
    std::unique_ptr<File> file_;
    bool readOnly_ = false;
    std::size_t position_ = 0;
};

}  // namespace natalo
