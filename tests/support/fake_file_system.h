// An in-memory file system for the core's tests, with the failures a real disk shows:
// an open refused with an error code, a file that vanished, a disk that fills up.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
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
    void Remove(const std::string& path) { files_.erase(path); }

    // The next opens of the path fail with the platform error code.
    void RefuseOpen(const std::string& path, int errorCode) { refused_[path] = errorCode; }
    void AllowOpen(const std::string& path) { refused_.erase(path); }
    // Writes store nothing past this file size, as on a full disk.
    void LimitFileSize(std::optional<std::uint64_t> limit) { sizeLimit_ = limit; }

    int opens = 0;
    int reads = 0;
    int writes = 0;

  private:
    friend class FakeFile;
    std::map<std::string, std::shared_ptr<Bytes>> files_;
    std::map<std::string, int> refused_;
    std::optional<std::uint64_t> sizeLimit_;
};

}  // namespace natalo::testing
