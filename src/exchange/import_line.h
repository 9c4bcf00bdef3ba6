// One line of an import list and the pending address it becomes. Fields are separated by
// ";" with no quoting, escaping or trimming; a missing ";" at the end of the line is
// implied. Field order: first name, last name, birthday, gender, street, ZIP, city,
// country, phone, fax, mobile, e-mail, URL.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "addressbook/address_record.h"
#include "platform/date_parse.h"

namespace natalo {

inline constexpr std::size_t kImportFieldCount = 13;
// Characters of a line that are read; the rest of a longer line is ignored.
inline constexpr std::size_t kImportLineLimit = 4096;

// What the import stores for a line without a valid birthday: 1 January 2999.
double NoBirthdayValue();

// The record's birthday, or nothing for that default and for a damaged value: what the
// vCard and calendar exports write.
std::optional<CivilDate> KnownBirthday(const AddressRecord& record);

// Field index (counted from 1) of the line's first 4096 characters; empty when the line
// has no such field or the index is below 1.
std::string mySplit(std::string_view line, char delimiter, int index);

// Fields 1 to 13 of the line in one pass; missing fields are empty.
std::array<std::string, kImportFieldCount> SplitImportLine(std::string_view line);

// The pending address of a line. Texts keep their full length; Save cuts them to the
// record's capacities (and the gender to its first character).
AddressRecord PendingAddressFromLine(std::string_view line, const ShortDateParser& dates);

}  // namespace natalo
