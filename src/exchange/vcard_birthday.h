// The birthday of a vCard's BDAY property. Accepted forms: "19771220", "1977-12-20", either
// followed by a time ("1977-12-20T00:00:00Z", whose date is taken as written), with or
// without VALUE=DATE; and without a year: "--1220", "--12-20", and Apple's year 1604 with or
// without X-APPLE-OMIT-YEAR=1604. A birthday without a year comes back in the year 1604
// (kUnknownBirthYear). Anything else (free text, a month or a year alone, a day that does
// not exist) is no birthday.
#pragma once

#include <optional>

#include "exchange/vcard_cards.h"
#include "platform/calendar.h"

namespace natalo {

std::optional<CivilDate> VCardBirthday(const VCardProperty& bday);

}  // namespace natalo
