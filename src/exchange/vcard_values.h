// The text of a vCard property's value as UTF-8: quoted-printable decoded, converted from
// its character set, escapes resolved.
//
// Character sets: CHARSET=UTF-8 (and no CHARSET at all) is UTF-8; ISO-8859-1 and
// Windows-1252 are read as Windows-1252, which holds all of ISO-8859-1's printable
// characters. A value that claims UTF-8 (or claims nothing, or names an unknown character
// set) but is not well-formed UTF-8 was written in the writer's ANSI code page, as old
// programs do; it is read as Windows-1252 rather than turned into question marks.
// Escapes: "\\" "\," "\;" "\:" and "\n" or "\N" (a line break); any other backslash stays.
// A value in base64 is binary (a photo, a key) and has no text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/vcard_cards.h"

namespace natalo {

// "=XX" hex pairs as bytes; a "=" that starts no such pair stays as it is.
std::string DecodeQuotedPrintable(std::string_view value);

// Resolves the escapes of one value or component.
std::string Unescape(std::string_view value);

// The whole value as text; an unescaped ";" stays a ";".
std::string TextValue(const VCardProperty& property);

// The components of a structured value (N, ADR), split at each unescaped ";".
std::vector<std::string> TextComponents(const VCardProperty& property);

}  // namespace natalo
