#include "addressbook/address_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "support/records.h"

namespace natalo {
namespace {

using testing::Anna;

std::string TextAt(const RecordBytes& bytes, std::size_t offset) {
    const auto length = static_cast<std::size_t>(bytes[offset]);
    return std::string(reinterpret_cast<const char*>(&bytes[offset + 1]), length);
}

TEST(AddressRecord, EveryFieldAtItsOffset) {
    const RecordBytes bytes = EncodeRecord(Anna());
    EXPECT_EQ(TextAt(bytes, 0), "Berg");
    EXPECT_EQ(TextAt(bytes, 31), "Anna");
    EXPECT_EQ(TextAt(bytes, 62), "Hauptstraße 1");
    EXPECT_EQ(bytes[62], std::byte{13});  // ß is one byte
    EXPECT_EQ(TextAt(bytes, 113), "53111");
    EXPECT_EQ(TextAt(bytes, 124), "Bonn");
    EXPECT_EQ(TextAt(bytes, 165), "Deutschland");
    EXPECT_EQ(TextAt(bytes, 206), "0228 1");
    EXPECT_EQ(TextAt(bytes, 227), "0228 2");
    EXPECT_EQ(TextAt(bytes, 248), "0171 3");
    EXPECT_EQ(TextAt(bytes, 269), "anna@example.org");
    EXPECT_EQ(TextAt(bytes, 300), "https://anna.example.org/a,b;c");
    EXPECT_EQ(TextAt(bytes, 360), "f");
    // 26026.0 (3 April 1971) as a little-endian IEEE 754 double.
    const unsigned char birthday[8] = {0, 0, 0, 0, 0x80, 0x6A, 0xD9, 0x40};
    EXPECT_EQ(std::memcmp(&bytes[352], birthday, 8), 0);
}

TEST(AddressRecord, ZerosAfterTextsAndInFillers) {
    AddressRecord r = Anna();
    const RecordBytes bytes = EncodeRecord(r);
    std::vector<bool> used(kRecordSize, false);
    for (const TextField& f : kTextFields) {
        for (std::size_t i = 0; i <= (r.*f.member).size(); ++i)
            used[f.offset + i] = true;
    }
    for (std::size_t i = 352; i < 360; ++i)
        used[i] = true;
    for (std::size_t i = 0; i < kRecordSize; ++i) {
        if (!used[i]) {
            EXPECT_EQ(bytes[i], std::byte{0}) << "byte " << i;
        }
    }
}

TEST(AddressRecord, TextsAreCutToCapacity) {
    AddressRecord r;
    r.LastName = std::string(31, 'x');
    r.City = std::string(45, 'c');
    r.Gender = "male";
    r.Url = std::string(300, 'u');
    const RecordBytes bytes = EncodeRecord(r);
    EXPECT_EQ(bytes[0], std::byte{30});
    EXPECT_EQ(bytes[31], std::byte{0});  // the cut text does not spill into the next field
    const AddressRecord back = DecodeRecord(bytes);
    EXPECT_EQ(back.LastName, std::string(30, 'x'));
    EXPECT_EQ(back.City, std::string(40, 'c'));
    EXPECT_EQ(back.Gender, "m");
    EXPECT_EQ(back.Url, std::string(50, 'u'));
    EXPECT_EQ(bytes[351], std::byte{0});
}

TEST(AddressRecord, BytesDependOnlyOnTheValuesAndRoundTrip) {
    // Texts that held longer ones before keep the old characters in their buffers; none of
    // them may reach the record.
    const AddressRecord anna = Anna();
    AddressRecord reused;
    for (const TextField& f : kTextFields) {
        reused.*f.member = std::string(f.capacity + 20, '#');
        (reused.*f.member).assign(anna.*f.member);
    }
    reused.Birthday = anna.Birthday;
    ASSERT_EQ(reused, anna);
    EXPECT_EQ(EncodeRecord(reused), EncodeRecord(anna));
    EXPECT_EQ(DecodeRecord(EncodeRecord(anna)), anna);
}

TEST(AddressRecord, DamagedLengthBytesAreClampedToTheField) {
    RecordBytes bytes{};
    std::memset(bytes.data(), 'A', bytes.size());
    for (const TextField& f : kTextFields)
        bytes[f.offset] = std::byte{255};
    const AddressRecord r = DecodeRecord(bytes);
    for (const TextField& f : kTextFields)
        EXPECT_EQ((r.*f.member).size(), f.capacity);
}

TEST(AddressRecord, RandomBytesDecodeWithinTheirFields) {
    std::mt19937 random(42);
    for (int round = 0; round < 2000; ++round) {
        RecordBytes bytes;
        for (auto& b : bytes)
            b = static_cast<std::byte>(random());
        const AddressRecord r = DecodeRecord(bytes);
        for (const TextField& f : kTextFields)
            ASSERT_LE((r.*f.member).size(), f.capacity);
        // Decoding and encoding again keeps every text and the birthday's bits.
        const RecordBytes again = EncodeRecord(r);
        ASSERT_EQ(std::memcmp(&again[352], &bytes[352], 8), 0);
        ASSERT_EQ(DecodeRecord(again).LastName, r.LastName);
    }
}

}  // namespace
}  // namespace natalo
