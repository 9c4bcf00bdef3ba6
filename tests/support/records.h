// Small builders of address records and data-file contents for tests, and the records of
// data-file contents read back.
#pragma once

#include <span>
#include <string>
#include <string_view>
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

// A person with every field filled, an "ß" in her street and the separators of lists and
// cards in her web address.
inline AddressRecord Anna() {
    AddressRecord r = Person("Anna", "Berg", {1971, 4, 3}, "f");
    r.Street =
        "Hauptstra\xDF"
        "e 1";
    r.Zip = "53111";
    r.City = "Bonn";
    r.Country = "Deutschland";
    r.Phone = "0228 1";
    r.Fax = "0228 2";
    r.Mobile = "0171 3";
    r.Email = "anna@example.org";
    r.Url = "https://anna.example.org/a,b;c";
    return r;
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

// Bytes as the text a file of them holds.
inline std::string TextOf(std::span<const std::byte> bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}
inline std::string FileTextOf(const std::vector<AddressRecord>& records) {
    return TextOf(FileOf(records));
}

// The whole records of a data file's contents, in file order; a partial tail is left out.
inline std::vector<AddressRecord> RecordsOf(std::string_view content) {
    std::vector<AddressRecord> records;
    for (std::size_t at = 0; at + kRecordSize <= content.size(); at += kRecordSize)
        records.push_back(DecodeRecord(
            RecordView(reinterpret_cast<const std::byte*>(content.data() + at), kRecordSize)));
    return records;
}
inline std::vector<AddressRecord> RecordsOf(std::span<const std::byte> content) {
    return RecordsOf(TextOf(content));
}

}  // namespace natalo::testing
