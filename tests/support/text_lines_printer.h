// Lets GoogleTest show TextLines as their lines when a comparison fails.
#pragma once

#include <ostream>

#include "platform/text_lines.h"

namespace natalo {

inline void PrintTo(const TextLines& lines, std::ostream* out) {
    *out << "{";
    for (std::size_t i = 0; i < lines.size(); ++i)
        *out << (i > 0 ? ", \"" : "\"") << lines[i] << "\"";
    *out << "}";
}

}  // namespace natalo
