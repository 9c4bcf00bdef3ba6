// UTF-8 to ANSI through the system's own tables, so that an imported UTF-8 list comes out
// in whatever ANSI code page this Windows uses, not only in Windows-1252.
#pragma once

#include <string>
#include <string_view>

#include "exchange/text_encoding.h"

namespace natalo {

class Win32AnsiConverter : public AnsiConverter {
  public:
    std::string FromUtf8(std::string_view utf8) const override;
};

}  // namespace natalo
