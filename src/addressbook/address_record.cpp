#include "addressbook/address_record.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace natalo {

static_assert(std::endian::native == std::endian::little,
              "the record codec writes the birthday in the machine's byte order");

RecordBytes EncodeRecord(const AddressRecord& record) {
    RecordBytes bytes{};
    for (const TextField& field : kTextFields) {
        const std::string& text = record.*field.member;
        const std::size_t length = std::min(text.size(), field.capacity);
        bytes[field.offset] = static_cast<std::byte>(length);
        std::memcpy(&bytes[field.offset + 1], text.data(), length);
    }
    std::memcpy(&bytes[kBirthdayOffset], &record.Birthday, sizeof record.Birthday);
    return bytes;
}

std::string_view FieldText(RecordView bytes, const TextField& field) {
    const std::size_t length =
        std::min(static_cast<std::size_t>(bytes[field.offset]), field.capacity);
    return {reinterpret_cast<const char*>(&bytes[field.offset + 1]), length};
}

double BirthdayValue(RecordView bytes) {
    double value = 0;
    std::memcpy(&value, &bytes[kBirthdayOffset], sizeof value);
    return value;
}

AddressRecord DecodeRecord(RecordView bytes) {
    AddressRecord record;
    for (const TextField& field : kTextFields)
        record.*field.member = FieldText(bytes, field);
    record.Birthday = BirthdayValue(bytes);
    return record;
}

}  // namespace natalo
