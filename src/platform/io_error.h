// The input/output error that every failed data-file and text-file operation raises. It
// carries the platform's error code and shows the runtime's German message for it.
#pragma once

#include <stdexcept>
#include <string>

namespace natalo {

// Codes of the runtime that are not platform error codes.
enum IoErrorCode : int {
    kIoFileNotFound = 2,
    kIoPathNotFound = 3,
    kIoTooManyOpenFiles = 4,
    kIoAccessDenied = 5,
    kIoReadPastEnd = 100,
    kIoDiskFull = 101,
    kIoFileNotOpen = 103,
};

// The German message for an error code, without the closing period.
std::string IoErrorMessage(int code);

class EInOutError : public std::runtime_error {
  public:
    explicit EInOutError(int code) : std::runtime_error(IoErrorMessage(code)), code_(code) {}
    int ErrorCode() const { return code_; }

  private:
    int code_;
};

}  // namespace natalo
