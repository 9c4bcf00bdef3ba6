// The address book as vCard 3.0 (RFC 2426) for phones, Outlook, Google, Apple Contacts and
// Thunderbird: one card per record in data-file order, UTF-8 (from the records' Windows-1252),
// CR LF, folded at 75 octets, texts escaped.
//
// Wiring into "Export as vCard ...": collect the records (DataFile::ScanRecords), then
// WriteExportFile(files, path, WriteVCards(records)) and "Daten gespeichert!".
//
// Each card: N (last name; first name), FN (first and last name), BDAY as YYYY-MM-DD (a
// birthday without a year, stored in 1604, as Apple writes it:
// "BDAY;X-APPLE-OMIT-YEAR=1604:1604-MM-DD"; no BDAY for the 1 January 2999 of a record
// without a birthday, nor for a damaged date), ADR;TYPE=HOME (street, city, ZIP, country),
// TEL;TYPE=HOME, TEL;TYPE=FAX, TEL;TYPE=CELL, EMAIL;TYPE=INTERNET, URL (escaped as text, as the
// address books do) and X-GENDER ("Male" for "m", "Female" for "f", any other stored character as
// it is). Empty fields are left out. Read back with VCardToImportLines and imported, the file gives
// the same records.
#pragma once

#include <span>
#include <string>

#include "addressbook/address_record.h"

namespace natalo {

std::string WriteVCards(std::span<const AddressRecord> records);

}  // namespace natalo
