// One person of the address book and its 368-byte form in the data file: eleven
// length-prefixed ANSI texts, the birthday as a little-endian double and a one-letter
// gender, with zero bytes after each text and in the fillers.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace natalo {

inline constexpr std::size_t kRecordSize = 368;

// A birthday whose year is not known is stored in the year 1604, as Apple's address books
// do: a leap year, so that 29 February exists, and long enough ago to mean "no age".
inline constexpr int kUnknownBirthYear = 1604;
using RecordBytes = std::array<std::byte, kRecordSize>;
// One record among the bytes of many, as the data file holds them.
using RecordView = std::span<const std::byte, kRecordSize>;

struct AddressRecord {
    std::string LastName;
    std::string FirstName;
    std::string Street;
    std::string Zip;
    std::string City;
    std::string Country;
    std::string Phone;
    std::string Fax;
    std::string Mobile;
    std::string Email;
    std::string Url;
    double Birthday = 0;
    std::string Gender;

    friend bool operator==(const AddressRecord&, const AddressRecord&) = default;
};

// A text field: its offset (of the length byte) and capacity in the record.
struct TextField {
    std::string AddressRecord::*member;
    std::size_t offset;
    std::size_t capacity;
};

inline constexpr std::array<TextField, 12> kTextFields{{
    {&AddressRecord::LastName, 0, 30},
    {&AddressRecord::FirstName, 31, 30},
    {&AddressRecord::Street, 62, 50},
    {&AddressRecord::Zip, 113, 10},
    {&AddressRecord::City, 124, 40},
    {&AddressRecord::Country, 165, 40},
    {&AddressRecord::Phone, 206, 20},
    {&AddressRecord::Fax, 227, 20},
    {&AddressRecord::Mobile, 248, 20},
    {&AddressRecord::Email, 269, 30},
    {&AddressRecord::Url, 300, 50},
    {&AddressRecord::Gender, 360, 1},
}};
inline constexpr std::size_t kBirthdayOffset = 352;
inline constexpr const TextField& kLastNameField = kTextFields[0];
inline constexpr const TextField& kFirstNameField = kTextFields[1];

// Texts longer than a field are cut to its capacity.
RecordBytes EncodeRecord(const AddressRecord& record);
// A length byte above the field's capacity (a damaged file) is read as the capacity.
AddressRecord DecodeRecord(RecordView bytes);

// One field as DecodeRecord reads it, without making a string of it.
std::string_view FieldText(RecordView bytes, const TextField& field);
double BirthdayValue(RecordView bytes);

}  // namespace natalo
