#include "support/fake_file_system.h"

#include <algorithm>
#include <cstring>

#include "platform/io_error.h"

namespace natalo::testing {

class FakeFile : public File {
  public:
    FakeFile(FakeFileSystem& owner, std::shared_ptr<FakeFileSystem::Bytes> bytes, bool writable)
        : owner_(owner), bytes_(std::move(bytes)), writable_(writable) {}

    std::uint64_t Size() override { return bytes_->size(); }

    std::size_t ReadAt(std::uint64_t offset, std::span<std::byte> data) override {
        ++owner_.reads;
        if (offset >= bytes_->size())
            return 0;
        const std::size_t n = std::min<std::size_t>(data.size(), bytes_->size() - offset);
        std::memcpy(data.data(), bytes_->data() + offset, n);
        return n;
    }

    std::size_t WriteAt(std::uint64_t offset, std::span<const std::byte> data) override {
        ++owner_.writes;
        if (!writable_)
            throw EInOutError(kIoAccessDenied);
        if (owner_.ChangeFails())
            data = data.first(data.size() / 2);
        owner_.unflushed_.insert(bytes_);
        std::uint64_t end = offset + data.size();
        if (owner_.sizeLimit_)
            end = std::min(end, std::max(*owner_.sizeLimit_, offset));
        const std::size_t n = static_cast<std::size_t>(end - offset);
        if (bytes_->size() < end)
            bytes_->resize(static_cast<std::size_t>(end));
        std::memcpy(bytes_->data() + offset, data.data(), n);
        return n;
    }

    void Truncate(std::uint64_t size) override {
        if (!writable_)
            throw EInOutError(kIoAccessDenied);
        if (owner_.ChangeFails())
            throw EInOutError(FakeFileSystem::kInjectedError);
        bytes_->resize(static_cast<std::size_t>(size));
        owner_.unflushed_.insert(bytes_);
    }

    void Flush() override {
        if (owner_.ChangeFails())
            throw EInOutError(FakeFileSystem::kInjectedError);
        owner_.unflushed_.erase(bytes_);
    }

  private:
    FakeFileSystem& owner_;
    std::shared_ptr<FakeFileSystem::Bytes> bytes_;
    bool writable_;
};

bool FakeFileSystem::Exists(const std::string& path) {
    return files_.count(path) != 0;
}

std::unique_ptr<File> FakeFileSystem::Open(const std::string& path, OpenMode mode) {
    ++opens;
    if (auto refused = refused_.find(path); refused != refused_.end()) {
        throw EInOutError(refused->second);
    }
    if (mode != OpenMode::kReadOnly && readOnly_.count(path) != 0)
        throw EInOutError(kIoAccessDenied);
    auto found = files_.find(path);
    if (mode == OpenMode::kCreate) {
        auto bytes = std::make_shared<Bytes>();
        files_[path] = bytes;
        return std::make_unique<FakeFile>(*this, bytes, true);
    }
    if (found == files_.end())
        throw EInOutError(kIoFileNotFound);
    return std::make_unique<FakeFile>(*this, found->second, mode != OpenMode::kReadOnly);
}

void FakeFileSystem::Replace(const std::string& replaced, const std::string& replacement) {
    auto found = files_.find(replacement);
    if (found == files_.end())
        throw EInOutError(kIoFileNotFound);
    if (ChangeFails())
        throw EInOutError(kInjectedError);
    unflushedReplacements += static_cast<int>(unflushed_.count(found->second));
    // Handles open on the replaced file keep its old bytes, as on a real disk.
    files_[replaced] = found->second;
    files_.erase(replacement);
}

void FakeFileSystem::Put(const std::string& path, Bytes content) {
    files_[path] = std::make_shared<Bytes>(std::move(content));
}

void FakeFileSystem::Put(const std::string& path, const std::string& content) {
    Bytes bytes(content.size());
    std::memcpy(bytes.data(), content.data(), content.size());
    Put(path, std::move(bytes));
}

FakeFileSystem::Bytes FakeFileSystem::Content(const std::string& path) const {
    auto found = files_.find(path);
    return found == files_.end() ? Bytes{} : *found->second;
}

}  // namespace natalo::testing
