// The file seam: the few file operations the program needs, positioned by byte offset.
// The Win32 implementation uses CreateFileA and friends; tests use an in-memory file
// system that can refuse an open, lose a file, store fewer bytes than asked or fail any
// chosen change. Every failure throws EInOutError with the platform's error code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace natalo {

class File {
  public:
    virtual ~File() = default;
    virtual std::uint64_t Size() = 0;
    // Reads up to data.size() bytes at the offset; returns how many were read (fewer
    // only at the end of the file).
    virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::byte> data) = 0;
    // Writes the bytes at the offset; returns how many were stored (fewer when the disk
    // is full).
    virtual std::size_t WriteAt(std::uint64_t offset, std::span<const std::byte> data) = 0;
    // Cuts or extends the file to the size.
    virtual void Truncate(std::uint64_t size) = 0;
    // Returns once what was written is on the disk, not only in the system's cache. A file
    // that lives in memory has nothing to do.
    virtual void Flush() {}
};

enum class OpenMode {
    kExisting,  // open an existing file for reading and writing
    kCreate,    // create the file, or truncate an existing one to empty
    kReadOnly,  // open an existing file for reading only
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool Exists(const std::string& path) = 0;
    // Files are shared for reading, writing and deleting with other processes and other
    // handles, so that a file can be replaced while it is open.
    virtual std::unique_ptr<File> Open(const std::string& path, OpenMode mode) = 0;
    // Puts the replacement file in the place of the replaced one in a single step: the
    // path then holds the whole old file or the whole new one, never a mix, and the
    // replacement's own name is gone. A handle open on the replaced file goes on reading
    // the old content.
    virtual void Replace(const std::string& replaced, const std::string& replacement) = 0;
    // Deletes the file; a file that is not there is no failure.
    virtual void Remove(const std::string& path) = 0;
};

}  // namespace natalo
