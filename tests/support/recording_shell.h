// A shell that opens nothing and keeps the addresses it was asked to open.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace natalo::testing {

class RecordingShell : public Shell {
  public:
    void Open(const std::string& address) override { opened.push_back(address); }

    std::vector<std::string> opened;
};

}  // namespace natalo::testing
