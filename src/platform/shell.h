// Web and "mailto:" addresses go to the user's default browser or mail program through
// this seam, so that tests can see what would have been opened without starting another
// program.
#pragma once

#include <string>

namespace natalo {

class Shell {
  public:
    virtual ~Shell() = default;
    // Hands the address to the program the user chose for it; when no program takes it,
    // nothing happens, as with a link in any program.
    virtual void Open(const std::string& address) = 0;
};

}  // namespace natalo
