// One address record as a line of the export list: first name, last name, birthday in
// the user's short date format, gender, street, ZIP, city, country, phone, fax, mobile,
// e-mail and URL, each followed by ";". Texts are written as stored, so the import reads
// the line back into the same record.
#pragma once

#include <string>
#include <string_view>

#include "addressbook/address_record.h"
#include "platform/regional_settings.h"

namespace natalo {

// The line without its line end.
std::string ExportLine(const AddressRecord& record, const RegionalSettings& settings);
// The same with the short date picture read beforehand, so that an export of many
// records asks the system for it once.
std::string ExportLine(const AddressRecord& record, const RegionalSettings& settings,
                       std::string_view shortDatePicture);

// The first and last name with a blank between them, or whichever of them there is: the
// person's name in the vCard and calendar exports.
std::string FullName(const AddressRecord& record);

}  // namespace natalo
