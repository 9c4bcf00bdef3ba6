// The structure of a vCard file (versions 2.1, 3.0 and 4.0): the cards between BEGIN:VCARD
// and END:VCARD, each a list of properties with their parameters and raw values.
//
// - Lines may end in CR LF, CR or LF. A line that starts with a blank or a tab continues the
//   line before: 3.0 and 4.0 drop that one blank, 2.1 keeps it (2.1 folds only where a blank
//   already stood). A quoted-printable value that ends in "=" continues on the next line
//   (a soft line break), unless that line begins or ends a card.
// - Group prefixes ("item1.TEL") are dropped; property and parameter names are upper-cased.
//   2.1's bare parameters get their names: "QUOTED-PRINTABLE", "BASE64", "8BIT" and "7BIT"
//   are ENCODING values, every other bare word a TYPE. TYPE lists ("TYPE=HOME,VOICE" or
//   "TYPE=HOME;TYPE=VOICE") become one upper-case TYPE parameter per value.
// - A line without a ":" (binary garbage, base64 lines that a 2.1 writer did not indent) is
//   skipped, as is everything outside a card.
// - A card without END:VCARD ends at the next BEGIN:VCARD or at the end of the file and is
//   still read; it is marked unterminated. The one exception is 2.1's embedded agent card
//   (an AGENT property with an empty value followed by BEGIN:VCARD), which is skipped whole.
// - A UTF-16 file with a byte-order mark is read as UTF-8; its own encoding then overrides
//   any CHARSET parameter, which is removed. A UTF-8 byte-order mark is dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace natalo {

struct VCardParameter {
    std::string name;   // upper case: TYPE, ENCODING, CHARSET, PREF, VALUE, ...
    std::string value;  // as written without enclosing quotes; TYPE values upper case
};

struct VCardProperty {
    std::string name;  // upper case, without its group
    std::vector<VCardParameter> parameters;
    // As written after unfolding: still escaped, still quoted-printable, still in the
    // property's character set.
    std::string value;

    // type is upper case ("CELL").
    bool HasType(std::string_view type) const;
    // The first value of the parameter, or nothing; name is upper case.
    const std::string* Parameter(std::string_view name) const;
};

struct VCard {
    std::vector<VCardProperty> properties;
    // Ended at the next BEGIN:VCARD or at the end of the file, without END:VCARD.
    bool unterminated = false;
};

// True when the file's first non-blank line is BEGIN:VCARD, in any case.
bool IsVCardFile(std::string_view bytes);

// Every card of the file in order; none for a file without BEGIN:VCARD.
std::vector<VCard> ReadVCards(std::string_view bytes);

// One unfolded content line ("item1.TEL;TYPE=CELL:+49 171 1"); nothing when it has no ":"
// after a name.
bool ParseContentLine(std::string_view line, VCardProperty& property);

}  // namespace natalo
