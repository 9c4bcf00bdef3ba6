// A file held in memory: the page store's data stream when no temporary file is used.
#pragma once

#include <vector>

#include "platform/file_system.h"

namespace natalo {

class MemoryFile : public File {
  public:
    std::uint64_t Size() override { return bytes_.size(); }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::byte> data) override;
    std::size_t WriteAt(std::uint64_t offset, std::span<const std::byte> data) override;
    void Truncate(std::uint64_t size) override;
    // The memory held for the bytes (may exceed Size()).
    std::size_t Capacity() const { return bytes_.capacity(); }

  private:
    std::vector<std::byte> bytes_;
};

}  // namespace natalo
