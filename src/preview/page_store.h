// TPageStore: the recorded pages of one print preview, serialized back to back in one
// data stream (memory, or a temporary file "PP....tmp" so long documents do not fill
// memory), with one page at a time loaded as a live metafile. When that metafile gets new
// content, the page's stored bytes are replaced in place: only the pages behind it move.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "preview/metafile.h"

namespace natalo {

class TPageStore {
  public:
    TPageStore();
    // Deletes the temporary file, without a change notification.
    ~TPageStore();
    TPageStore(const TPageStore&) = delete;
    TPageStore& operator=(const TPageStore&) = delete;

    // Appends the page's bytes and returns its 0-based index; the caller keeps its
    // metafile. A failed write leaves the store as it was and throws EInOutError.
    int Add(const TMetafile& page);
    int Count() const { return static_cast<int>(offsets_.size()); }
    // The page loaded into the store's one live metafile, valid until another index is
    // asked for or the store is cleared. Throws EListError outside 0..Count-1.
    TMetafile& Items(int index);
    void Clear();

    bool UseTempFile() const { return useTempFile_; }
    // With pages stored, their bytes move into a stream of the new kind.
    void SetUseTempFile(bool use);
    // The temporary file's path; empty while there is none.
    const std::string& TempFileName() const { return tempFileName_; }

    // For the owner's figures and checks.
    std::uint64_t StreamSize() const;
    std::uint64_t Offset(int index) const { return offsets_.at(static_cast<std::size_t>(index)); }
    int LoadedIndex() const { return loadedIndex_; }
    // Memory held for the stream (0 with a temporary file).
    std::size_t MemoryHeld() const;

    std::function<void()> OnChange;
    // Index: the 0-based page whose stored bytes were rewritten.
    std::function<void(int index)> OnPageChange;

  private:
    std::unique_ptr<File> CreateStream(bool useTempFile);
    void DeleteTempFile();
    void Release();
    void Write(File& stream, std::uint64_t offset, std::span<const std::byte> bytes);
    std::vector<std::byte> Read(std::uint64_t offset, std::uint64_t length);
    std::uint64_t StoredLength(int index) const;
    void AttachLoadedPage();
    void DetachLoadedPage() { loaded_.OnChange = nullptr; }
    void RewriteLoadedPage();

    // 64-bit positions: a temporary file may outgrow 4 GB.
    std::vector<std::uint64_t> offsets_;
    std::unique_ptr<File> stream_;
    TMetafile loaded_;
    int loadedIndex_ = -1;
    bool useTempFile_ = false;
    std::string tempFileName_;
};

}  // namespace natalo
