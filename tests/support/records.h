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

inline std::vector<std::byte> FileOf(const std::vector<AddressRecord>& records) {
    std::vector<std::byte> bytes;
    for (const AddressRecord& r : records) {
        const RecordBytes one = EncodeRecord(r);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

}  // namespace natalo::testing
