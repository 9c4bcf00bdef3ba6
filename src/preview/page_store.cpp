#include "preview/page_store.h"

#include <windows.h>

#include <algorithm>

#include "platform/io_error.h"
#include "platform/win32_file_system.h"
#include "preview/memory_file.h"
#include "preview/preview_errors.h"

namespace natalo {
namespace {

constexpr std::uint64_t kCopyChunk = 1 << 20;

}  // namespace

TPageStore::TPageStore() = default;

TPageStore::~TPageStore() {
    Release();
}

std::uint64_t TPageStore::StreamSize() const {
    return stream_ ? stream_->Size() : 0;
}

std::size_t TPageStore::MemoryHeld() const {
    auto* memory = dynamic_cast<MemoryFile*>(stream_.get());
    return memory ? memory->Capacity() : 0;
}

std::unique_ptr<File> TPageStore::CreateStream(bool useTempFile) {
    if (!useTempFile)
        return std::make_unique<MemoryFile>();
    char folder[256];
    const DWORD length = ::GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder)
        ThrowLastIoError();
    char name[MAX_PATH];
    if (!::GetTempFileNameA(folder, "PP", 0, name))
        ThrowLastIoError();
    try {
        auto file = Win32FileSystem().Open(name, OpenMode::kCreate);
        tempFileName_ = name;
        return file;
    } catch (...) {
        ::DeleteFileA(name);
        throw;
    }
}

void TPageStore::DeleteTempFile() {
    if (!tempFileName_.empty())
        ::DeleteFileA(tempFileName_.c_str());
    tempFileName_.clear();
}

void TPageStore::Write(File& stream, std::uint64_t offset, std::span<const std::byte> bytes) {
    if (stream.WriteAt(offset, bytes) != bytes.size())
        throw EInOutError(kIoDiskFull);
}

std::vector<std::byte> TPageStore::Read(std::uint64_t offset, std::uint64_t length) {
    std::vector<std::byte> bytes(length);
    if (stream_->ReadAt(offset, bytes) != length)
        throw EInOutError(kIoReadPastEnd);
    return bytes;
}

std::uint64_t TPageStore::StoredLength(int index) const {
    const auto i = static_cast<std::size_t>(index);
    const std::uint64_t end = i + 1 < offsets_.size() ? offsets_[i + 1] : stream_->Size();
    return end - offsets_[i];
}

int TPageStore::Add(const TMetafile& page) {
    const std::vector<std::byte> bytes = page.SaveToBytes();
    if (!stream_)
        stream_ = CreateStream(useTempFile_);
    const std::uint64_t offset = stream_->Size();
    try {
        Write(*stream_, offset, bytes);
    } catch (...) {
        stream_->Truncate(offset);  // no half page stays behind
        throw;
    }
    offsets_.push_back(offset);
    if (OnChange)
        OnChange();
    return Count() - 1;
}

TMetafile& TPageStore::Items(int index) {
    if (index < 0 || index >= Count())
        throw EListError(index);
    if (index == loadedIndex_)
        return loaded_;
    DetachLoadedPage();
    loadedIndex_ = -1;
    const std::uint64_t offset = offsets_[static_cast<std::size_t>(index)];
    const std::vector<std::byte> header = Read(offset, TMetafile::kHeaderLengthBytes);
    const std::uint32_t length = TMetafile::LengthFromHeader(header);
    if (length == 0 || length > StoredLength(index))
        throw EInOutError(kIoReadPastEnd);
    loaded_.LoadFromBytes(Read(offset, length));
    loadedIndex_ = index;
    AttachLoadedPage();
    return loaded_;
}

void TPageStore::AttachLoadedPage() {
    loaded_.OnChange = [this] { RewriteLoadedPage(); };
}

// The loaded page got new content: its bytes replace the stored ones, and the pages
// behind it move by the difference in length.
void TPageStore::RewriteLoadedPage() {
    if (loadedIndex_ < 0 || !stream_)
        return;
    const int index = loadedIndex_;
    const std::vector<std::byte> bytes = loaded_.SaveToBytes();
    const std::uint64_t offset = offsets_[static_cast<std::size_t>(index)];
    const std::uint64_t oldLength = StoredLength(index);
    const auto delta =
        static_cast<std::int64_t>(bytes.size()) - static_cast<std::int64_t>(oldLength);
    const bool last = index == Count() - 1;
    const std::uint64_t size = stream_->Size();
    std::vector<std::byte> tail;
    if (delta != 0 && !last)
        tail = Read(offset + oldLength, size - offset - oldLength);
    Write(*stream_, offset, bytes);
    if (!tail.empty()) {
        for (std::size_t i = static_cast<std::size_t>(index) + 1; i < offsets_.size(); ++i)
            offsets_[i] += delta;
        Write(*stream_, offset + bytes.size(), tail);
    }
    if (delta < 0)
        stream_->Truncate(size + delta);
    if (OnPageChange)
        OnPageChange(index);
}

void TPageStore::Release() {
    DetachLoadedPage();
    loaded_.Clear();
    offsets_.clear();
    loadedIndex_ = -1;
    stream_.reset();
    DeleteTempFile();
}

void TPageStore::Clear() {
    Release();
    if (OnChange)
        OnChange();
}

void TPageStore::SetUseTempFile(bool use) {
    if (use == useTempFile_)
        return;
    if (stream_) {
        const std::string oldTempFile = tempFileName_;
        std::unique_ptr<File> copy = CreateStream(use);
        try {
            const std::uint64_t size = stream_->Size();
            for (std::uint64_t at = 0; at < size; at += kCopyChunk) {
                const std::vector<std::byte> chunk = Read(at, std::min(kCopyChunk, size - at));
                Write(*copy, at, chunk);
            }
        } catch (...) {
            if (use) {  // the pages stay in memory; the half-made file goes
                copy.reset();
                DeleteTempFile();
            }
            throw;
        }
        stream_ = std::move(copy);
        if (!use) {
            ::DeleteFileA(oldTempFile.c_str());
            tempFileName_.clear();
        }
    }
    useTempFile_ = use;
}

}  // namespace natalo
