// The file seam on Win32: files opened shared for reading, writing and deleting, error
// codes from GetLastError.
#pragma once

#include "platform/file_system.h"

namespace natalo {

class Win32FileSystem : public FileSystem {
  public:
    bool Exists(const std::string& path) override;
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override;
    void Replace(const std::string& replaced, const std::string& replacement) override;
    void Remove(const std::string& path) override;
};

// Throws EInOutError for the calling thread's last error.
[[noreturn]] void ThrowLastIoError();

}  // namespace natalo
