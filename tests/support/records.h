// Small builders of address records and data-file contents for tests.
#pragma once

#include <string>
#include <vector>

#include "addressbook/address_record.h"
#include "platform/calendar.h"

namespace natalo::testing {

inline AddressRecord Person(std::string firstName, std::string lastName = "",
                            CivilDate birthday = {1970, 1, 1}, std::string gender = "f") {
    AddressRecord r;
    r.FirstName = std::move(firstName);
    r.LastName = std::move(lastName);
    r.Birthday = DateValue(birthday);
    r.Gender = std::move(gender);
    return r;
}

inline AddressRecord WithContacts(AddressRecord record, std::string email, std::string mobile) {
    record.Email = std::move(email);
    record.Mobile = std::move(mobile);
    return record;
}

// Four people around 20 December 2026: Tom's birthday is that day, Anna's later that
// year, Bert's and Clara's were earlier that year and come round the next. Tom and Anna
// have e-mail addresses, Clara a mobile number, Bert neither.
inline std::vector<AddressRecord> FourPeopleAroundChristmas() {
    return {WithContacts(Person("Tom", "Today", {1990, 12, 20}, "m"), "tom@example.com", ""),
            WithContacts(Person("Anna", "Muster", {1984, 12, 24}, "f"), "anna@example.com", ""),
            Person("Bert", "Brown", {1950, 1, 5}, "m"),
            WithContacts(Person("Clara", "Klein", {1970, 12, 10}, "f"), "", "0170 123")};
}

inline std::vector<std::byte> FileOf(const std::vector<AddressRecord>& records) {
    std::vector<std::byte> bytes;
    for (const AddressRecord& r : records) {
        const RecordBytes one = EncodeRecord(r);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

}  // namespace natalo::testing
