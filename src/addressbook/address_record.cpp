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

AddressRecord DecodeRecord(const RecordBytes& bytes) {
    AddressRecord record;
    for (const TextField& field : kTextFields) {
        const std::size_t length =
            std::min(static_cast<std::size_t>(bytes[field.offset]), field.capacity);
        const char* text = reinterpret_cast<const char*>(&bytes[field.offset + 1]);
        (record.*field.member).assign(text, length);
    }
    std::memcpy(&record.Birthday, &bytes[kBirthdayOffset], sizeof record.Birthday);
    return record;
}

}  // namespace natalo
