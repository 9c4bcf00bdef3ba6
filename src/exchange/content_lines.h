// Writing the content lines of vCard and iCalendar files: "NAME;PARAM=x:value", in UTF-8,
// folded so that no line is longer than 75 octets (a continuation line starts with one
// blank, and a UTF-8 character is never split), each ending in CR LF.
#pragma once

#include <string>
#include <string_view>

namespace natalo {

// A text value with "\" "," ";" and line breaks escaped ("\\" "\," "\;" "\n"); a CR LF
// pair is one line break; other control characters become blanks.
std::string EscapeText(std::string_view utf8);

// Appends the content line, folded, with its CR LF.
void AppendContentLine(std::string& out, std::string_view line);

}  // namespace natalo
