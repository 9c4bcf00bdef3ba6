// An in-memory file system for the core's tests, with the failures a real disk shows:
// an open refused with an error code, a file that vanished, a disk that fills up, and any
// one chosen change that fails.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace natalo::testing {

class FakeFileSystem : public FileSystem {
  public:
    using Bytes = std::vector<std::byte>;

    bool Exists(const std::string& path) override;
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override;

    void Put(const std::string& path, Bytes content);
    void Put(const std::string& path, const std::string& content);
    Bytes Content(const std::string& path) const;
    void Replace(const std::string& replaced, const std::string& replacement) override;
    void Remove(const std::string& path) override { files_.erase(path); }

    // The next opens of the path fail with the platform error code.
    void RefuseOpen(const std::string& path, int errorCode) { refused_[path] = errorCode; }
    void AllowOpen(const std::string& path) { refused_.erase(path); }
    // Opens of the path for writing fail with "access denied", as for a read-only file.
    void MakeReadOnly(const std::string& path) { readOnly_.insert(path); }
    // The nth of the coming changes (writes, flushes, truncations and replacements, counted
    // together from 1) fails: a write stores only the first half of its bytes, as on a disk
    // that fills up part way; the others change nothing and throw kInjectedError.
    void FailChange(int n) { failingChange_ = changes + n; }
    static constexpr int kInjectedError = 1117;  // the device reports an I/O error
    int changes = 0;
    // Replacements by a file written since its last flush: after a power cut such a file
    // could stand in the place of the old one with parts of it missing.
    int unflushedReplacements = 0;
    // Writes store nothing past this file size, as on a full disk.
    void LimitFileSize(std::optional<std::uint64_t> limit) { sizeLimit_ = limit; }

    int opens = 0;
    int reads = 0;
    int writes = 0;

  private:
    friend class FakeFile;
    // Counts a change; true when it is the one chosen to fail.
    bool ChangeFails() { return ++changes == failingChange_; }

    std::map<std::string, std::shared_ptr<Bytes>> files_;
    std::map<std::string, int> refused_;
    std::optional<std::uint64_t> sizeLimit_;
    std::set<std::string> readOnly_;
    // Held, so that no new file takes the place of one in here.
    std::set<std::shared_ptr<Bytes>> unflushed_;
    int failingChange_ = 0;
};

}  // namespace natalo::testing
