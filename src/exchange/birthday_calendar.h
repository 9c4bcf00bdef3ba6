// The birthdays of the address book as an iCalendar file (RFC 5545) for Outlook, Google,
// Apple and Thunderbird calendars: UTF-8 (from the records' Windows-1252), CR LF, folded
// at 75 octets.
//
// Wiring into "Export birthdays as iCalendar ...": collect the records
// (DataFile::ScanRecords), then WriteExportFile(files, path,
// WriteBirthdayCalendar(records, stamp)) with the current UTC time as the stamp, and
// "Daten gespeichert!".
//
// One all-day event repeating every year per record with a birthday (not for the 1 January
// 2999 of a record without one, nor for a damaged date), in data-file order:
// - DTSTART;VALUE=DATE the date of birth (a birthday without a year, stored in 1604, starts
//   in 2000), DTEND the day after, RRULE:FREQ=YEARLY; for 29 February
//   BYMONTH=2;BYMONTHDAY=-1, so that common years show it on 28 February;
// - SUMMARY the first and last name, with "(*1971)" after it when the year is known;
// - UID from the first name, last name and date of birth, with the number of the record
//   among records with the same three, so that exporting the same address book again
//   gives the same UIDs (a calendar that imports the file again updates its events rather
//   than doubling them) and two identical records still get two events; a change of other
//   fields (phone, address) keeps the UID;
// - DTSTAMP the given time, TRANSP:TRANSPARENT (a birthday does not make anyone busy),
//   CATEGORIES:Birthday.
#pragma once

#include <span>
#include <string>

#include "addressbook/address_record.h"
#include "platform/clock.h"

namespace natalo {

std::string WriteBirthdayCalendar(std::span<const AddressRecord> records, const UtcTime& stamp);

}  // namespace natalo
