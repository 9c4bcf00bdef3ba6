#include "preview/memory_file.h"

#include <algorithm>
#include <cstring>

namespace natalo {

std::size_t MemoryFile::ReadAt(std::uint64_t offset, std::span<std::byte> data) {
    if (offset >= bytes_.size())
        return 0;
    const std::size_t count = std::min<std::uint64_t>(data.size(), bytes_.size() - offset);
    std::memcpy(data.data(), bytes_.data() + offset, count);
    return count;
}

std::size_t MemoryFile::WriteAt(std::uint64_t offset, std::span<const std::byte> data) {
    if (data.empty())
        return 0;
    if (offset + data.size() > bytes_.size())
        bytes_.resize(offset + data.size());
    std::memcpy(bytes_.data() + offset, data.data(), data.size());
    return data.size();
}

void MemoryFile::Truncate(std::uint64_t size) {
    bytes_.resize(size);
}

}  // namespace natalo
