// The errors of the print preview engine. Their texts are what the user reads in the
// program's error message.
#pragma once

#include <stdexcept>
#include <string>

namespace natalo {

// A page could not be made: no device context or no metafile.
class EOutOfMemory : public std::runtime_error {
  public:
    EOutOfMemory() : std::runtime_error("Not enough memory to create a new page") {}
};

// A page index outside the recorded pages.
class EListError : public std::out_of_range {
  public:
    explicit EListError(long long index)
        : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}
};

// The printer refused a step of a print job, or the job was used in the wrong state.
class EPrinter : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace natalo
