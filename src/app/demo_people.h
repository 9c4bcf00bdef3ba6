// A demo address book for a first look at the program: about thirty people spread over
// the year, some with birthdays today and in the coming days, some a few days ago.
#pragma once

#include <vector>

#include "addressbook/address_record.h"
#include "platform/calendar.h"

namespace natalo {

std::vector<AddressRecord> DemoPeople(const CivilDate& today);

}  // namespace natalo
