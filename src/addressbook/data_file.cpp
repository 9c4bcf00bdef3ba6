#include "addressbook/data_file.h"

#include <algorithm>
#include <vector>

#include "platform/io_error.h"

namespace natalo {
namespace {

// Records moved or scanned per read: large enough that a 100,000-record file takes a few
// dozen calls, small enough to stay out of the way of memory.
constexpr std::size_t kRecordsPerBlock = 4096;

std::uint64_t ByteOffset(std::size_t recordIndex) {
    return static_cast<std::uint64_t>(recordIndex) * kRecordSize;
}

}  // namespace

DataFile::DataFile(FileSystem& fileSystem, std::string directory)
    : fileSystem_(fileSystem), path_(std::move(directory) + "data.dat") {}

File& DataFile::OpenFile() {
    if (!file_)
        throw EInOutError(kIoFileNotOpen);
    return *file_;
}

void DataFile::OpenDataFile() {
    file_.reset();
    position_ = 0;
    if (fileSystem_.Exists(path_)) {
        file_ = fileSystem_.Open(path_, OpenMode::kExisting);
        if (RecordCount() > 0)
            return;
        file_.reset();
    }
    file_ = fileSystem_.Open(path_, OpenMode::kCreate);
}

void DataFile::ResetOpenFile() {
    file_.reset();
    position_ = 0;
    file_ = fileSystem_.Open(path_, OpenMode::kExisting);
}

std::size_t DataFile::RecordCount() {
    return static_cast<std::size_t>(OpenFile().Size() / kRecordSize);
}

void DataFile::Seek(std::size_t recordIndex) {
    OpenFile();
    position_ = recordIndex;
}

void DataFile::ReadExactly(std::uint64_t offset, std::span<std::byte> data) {
    if (OpenFile().ReadAt(offset, data) != data.size())
        throw EInOutError(kIoReadPastEnd);
}

void DataFile::WriteExactly(std::uint64_t offset, std::span<const std::byte> data) {
    if (OpenFile().WriteAt(offset, data) != data.size())
        throw EInOutError(kIoDiskFull);
}

AddressRecord DataFile::ReadRecord(std::size_t index) {
    Seek(index);
    RecordBytes bytes;
    ReadExactly(ByteOffset(index), bytes);
    position_ = index + 1;
    return DecodeRecord(bytes);
}

void DataFile::ScanRecords(const RecordVisitor& visit) {
    Seek(0);
    const std::uint64_t size = OpenFile().Size();
    std::vector<std::byte> block;
    std::size_t next = 0;
    while (ByteOffset(next) < size) {
        const std::size_t wanted = static_cast<std::size_t>(
            std::min<std::uint64_t>(size - ByteOffset(next), kRecordsPerBlock * kRecordSize));
        block.resize(wanted);
        const std::size_t whole = OpenFile().ReadAt(ByteOffset(next), block) / kRecordSize;
        for (std::size_t i = 0; i < whole; ++i) {
            RecordBytes bytes;
            std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(i * kRecordSize), kRecordSize,
                        bytes.begin());
            const std::size_t index = next++;
            position_ = next;
            visit(index, DecodeRecord(bytes));
        }
        // A partial record at the end, or a file that shrank while it was read.
        if (whole * kRecordSize != wanted)
            throw EInOutError(kIoReadPastEnd);
    }
}

void DataFile::WriteRecord(long index, const AddressRecord& record) {
    const std::size_t target = index < 0 ? RecordCount() : static_cast<std::size_t>(index);
    Seek(target);
    WriteExactly(ByteOffset(target), EncodeRecord(record));
    position_ = target + 1;
}

void DataFile::DeleteRecord(std::size_t index) {
    const std::size_t count = RecordCount();
    if (index < count) {
        std::vector<std::byte> block;
        for (std::size_t from = index + 1; from < count; from += kRecordsPerBlock) {
            const std::size_t records = std::min(kRecordsPerBlock, count - from);
            block.resize(records * kRecordSize);
            ReadExactly(ByteOffset(from), block);
            WriteExactly(ByteOffset(from - 1), block);
        }
        OpenFile().Truncate(ByteOffset(count - 1));
    }
    ResetOpenFile();
}

}  // namespace natalo
