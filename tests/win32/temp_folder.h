// A scratch folder under the temporary directory, removed with everything in it at the
// end of the test.
#pragma once

#include <windows.h>

#include <string>

namespace natalo::testing {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending in a backslash.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);
// -1 when the file does not exist.
long long FileSizeOf(const std::string& path);

}  // namespace natalo::testing
