// The text of an import list: from the bytes of a file to the text the import dialog
// shows, and from that text to the lines that become records.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/text_encoding.h"

namespace natalo {

struct ImportFileText {
    // ANSI text with CR LF line ends, as a multi-line text box needs them.
    std::string text;
    // The file held a NUL byte; the text ends before it.
    bool endedAtNul = false;
};

// The file's text up to its first NUL character. A file that starts with a UTF-16
// byte-order mark (either byte order) or the UTF-8 one, or that is well-formed UTF-8 with
// non-ASCII characters, is converted to ANSI; any other file already is ANSI. Lines may end in CR
// LF, CR or LF.
ImportFileText DecodeImportFile(std::string_view bytes, const AnsiConverter& converter);

// The non-empty lines of the text, in order, up to its first NUL. Lines end in CR LF, CR
// or LF; a line of blanks is not empty. The views point into the text.
std::vector<std::string_view> NonEmptyLines(std::string_view text);

}  // namespace natalo
