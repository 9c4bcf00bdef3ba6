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

File& DataFile::WritableFile() {
    File& file = OpenFile();
    if (readOnly_)
        throw EInOutError(kIoAccessDenied);
    return file;
}

std::unique_ptr<File> DataFile::OpenExisting() {
    if (readOnly_)
        return fileSystem_.Open(path_, OpenMode::kReadOnly);
    try {
        return fileSystem_.Open(path_, OpenMode::kExisting);
    } catch (const EInOutError& error) {
        // A read-only file, or one in a folder without write rights: still worth showing.
        if (error.ErrorCode() != kIoAccessDenied)
            throw;
    }
    std::unique_ptr<File> file = fileSystem_.Open(path_, OpenMode::kReadOnly);
    readOnly_ = true;
    return file;
}

void DataFile::OpenDataFile() {
    file_.reset();
    position_ = 0;
    readOnly_ = false;
    RemoveScratchFile();
    if (fileSystem_.Exists(path_)) {
        file_ = OpenExisting();
        if (readOnly_ || file_->Size() > 0)
            return;
        file_.reset();
    }
    file_ = fileSystem_.Open(path_, OpenMode::kCreate);
}

void DataFile::ResetOpenFile() {
    file_.reset();
    position_ = 0;
    file_ = OpenExisting();
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
    ScanRecordBlocks([&](std::size_t first, std::span<const std::byte> records) {
        for (std::size_t i = 0; i * kRecordSize < records.size(); ++i) {
            // The visitor sees the position after its record, as a single read leaves it.
            position_ = first + i + 1;
            visit(first + i, DecodeRecord(records.subspan(i * kRecordSize).first<kRecordSize>()));
        }
    });
}

void DataFile::ScanRecordBlocks(const BlockVisitor& visit) {
    Seek(0);
    const std::uint64_t size = OpenFile().Size();
    std::vector<std::byte> block;
    std::size_t next = 0;
    while (ByteOffset(next) < size) {
        const std::size_t wanted = static_cast<std::size_t>(
            std::min<std::uint64_t>(size - ByteOffset(next), kRecordsPerBlock * kRecordSize));
        block.resize(wanted);
        const std::size_t whole = OpenFile().ReadAt(ByteOffset(next), block) / kRecordSize;
        const std::size_t first = next;
        next += whole;
        position_ = next;
        if (whole > 0)
            visit(first, std::span<const std::byte>(block).first(whole * kRecordSize));
        // A partial record at the end, or a file that shrank while it was read.
        if (whole * kRecordSize != wanted)
            throw EInOutError(kIoReadPastEnd);
    }
}

void DataFile::WriteRecord(long index, const AddressRecord& record) {
    File& file = WritableFile();
    const bool append = index < 0;
    const std::size_t target = append ? RecordCount() : static_cast<std::size_t>(index);
    Seek(target);
    try {
        WriteExactly(ByteOffset(target), EncodeRecord(record));
    } catch (const EInOutError&) {
        // A partial record at the end would make every later scan fail.
        if (append) {
            try {
                file.Truncate(ByteOffset(target));
            } catch (const EInOutError&) {
                // The first failure is the one to report; the scan reports the tail.
            }
        }
        throw;
    }
    position_ = target + 1;
}

void DataFile::DeleteRecord(std::size_t index) {
    File& file = WritableFile();
    const std::size_t count = RecordCount();
    if (index + 1 < count) {
        WriteScratchWithout(index, count);
        PutScratchInPlace();
    } else if (index < count) {
        // Cutting off the last record is a single change of the file's length.
        file.Truncate(ByteOffset(count - 1));
    }
    ResetOpenFile();
}

void DataFile::WriteScratchWithout(std::size_t index, std::size_t count) {
    try {
        const std::unique_ptr<File> scratch = fileSystem_.Open(ScratchPath(), OpenMode::kCreate);
        std::vector<std::byte> block;
        std::uint64_t written = 0;
        auto copy = [&](std::size_t from, std::size_t to) {
            for (std::size_t first = from; first < to; first += kRecordsPerBlock) {
                block.resize(std::min(kRecordsPerBlock, to - first) * kRecordSize);
                ReadExactly(ByteOffset(first), block);
                if (scratch->WriteAt(written, block) != block.size())
                    throw EInOutError(kIoDiskFull);
                written += block.size();
            }
        };
        copy(0, index);
        copy(index + 1, count);
        scratch->Flush();
    } catch (...) {
        RemoveScratchFile();
        throw;
    }
}

void DataFile::PutScratchInPlace() {
    // Closed first: a rename over a file that no handle holds is one step on every
    // Windows file system.
    file_.reset();
    try {
        fileSystem_.Replace(path_, ScratchPath());
    } catch (const EInOutError&) {
        RemoveScratchFile();
        try {
            ResetOpenFile();
        } catch (const EInOutError&) {
            // The replacement's failure is the one to report; a file that cannot be
            // reopened reports itself at the next access.
        }
        throw;
    }
}

void DataFile::RemoveScratchFile() noexcept {
    try {
        fileSystem_.Remove(ScratchPath());
    } catch (...) {
        // Harmless where it is: the next deletion writes it anew, the next start removes it.
    }
}

}  // namespace natalo
