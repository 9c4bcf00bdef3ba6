// UTF-8 to ANSI through the system's own tables, so that an imported UTF-8 list comes out
// in whatever ANSI code page this Windows uses, not only in Windows-1252. The letters the
// code page lacks go through the program's own table (latin_folding.h), not through the
// system's "best fit", which differs between Windows versions and Wine.
#pragma once

#include <string>
#include <string_view>

#include "exchange/text_encoding.h"

namespace natalo {

class Win32AnsiConverter : public AnsiConverter {
  public:
    using AnsiConverter::FromUtf8;
    std::string FromUtf8(std::string_view utf8, std::size_t& lost) const override;
};

}  // namespace natalo
