// vCard files (from phones, Outlook, Google, Apple Contacts, Thunderbird) turned into lines
// of the import list, so that the user sees and may edit in the import dialog what "Import"
// will save, and the import itself stays the one for every list.
//
// IsVCardFile (vcard_cards.h) tells a vCard file by its first non-blank line, whatever the
// file is called. Wiring into the import dialog's "Open file ...":
//     if (IsVCardFile(bytes)) {
//         const VCardImport cards = VCardToImportLines(bytes, converter, regional);
//         text box = cards.Text();
//         message: cards.cards read, cards.withoutBirthday of them without a birthday
//     } else { the list file as before }
//
// One line per card, in file order: "First Name;LastName;Birthday;Gender;Address;ZIP;City;
// Country;Tel;Fax;Mobile;email;Url;".
// - Names: N's family name and given name; when N is missing or holds neither, FN split at
//   its last blank (FN without a blank is the first name).
// - Address: the ADR with TYPE HOME, else the first ADR: street and extended address
//   (joined with ", ") to Address, postal code, locality and country to their fields.
// - TEL: the first with type FAX to Fax, the first with CELL (or MOBILE) and no FAX to
//   Mobile, the first of the others to Tel; a "tel:" URI loses its scheme. EMAIL: the most
//   preferred (PREF type or the lowest PREF=n), else the first. URL: the first.
// - Gender: GENDER (4.0) M or F, else X-GENDER (male, female, m or f in any case; another
//   value keeps its first character, as the list import does), else X-WAB-GENDER (2 male,
//   1 female) give "m" or "f".
// - Birthday: see vcard_birthday.h; written in the user's short date format with a
//   four-digit year, so that it reads back in the right century; no text without one.
// - Values: line breaks (and other control characters) become blanks, and none at the
//   start or end; a ";" becomes ","; a Latin letter with diacritics that the ANSI code
//   page lacks is kept without them (ş as s), and every other character the code page
//   lacks becomes one "?" (also those outside the Basic Multilingual Plane), counted. A value
//   longer than its field in the address book is cut to what Save would keep, and the card is
//   counted as shortened, so that a line never loses its later fields to the import's line limit.
// - Photos, sounds, keys and every property not named here are skipped.
// Damaged files: a card without END:VCARD is still read (counted as unterminated); lines
// without a ":" are skipped; a file that is no vCard gives no lines at all.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/text_encoding.h"
#include "exchange/vcard_cards.h"  // IsVCardFile
#include "platform/regional_settings.h"

namespace natalo {

struct VCardImport {
    std::vector<std::string> lines;  // ANSI, without line ends
    std::size_t cards = 0;
    std::size_t withoutBirthday = 0;  // lines that Import saves with 1 January 2999
    std::size_t unterminated = 0;     // cards that lacked END:VCARD
    std::size_t shortened = 0;        // cards with a value cut to its field's size
    std::size_t lostCharacters = 0;   // characters stored as "?" (see the Values above)

    // The lines for the import dialog's text box, each followed by CR LF.
    std::string Text() const;
};

VCardImport VCardToImportLines(std::string_view bytes, const AnsiConverter& converter,
                               const RegionalSettings& regional);

// What the import dialog tells the user after loading the cards: how many were read, how
// many have no birthday (Import saves those with 1 January 2999, in the user's short date
// format), and, when it happened, how many were damaged or had a value cut, and how many
// characters became "?".
std::string VCardLoadSummary(const VCardImport& cards, const RegionalSettings& regional);

}  // namespace natalo
