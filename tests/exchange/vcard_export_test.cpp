#include "exchange/vcard_export.h"

#include <gtest/gtest.h>

#include "exchange/content_lines.h"
#include "exchange/import_line.h"
#include "exchange/vcard_import.h"
#include "support/fake_regional_settings.h"
#include "support/records.h"

namespace natalo {
namespace {

using testing::Anna;
using testing::FakeRegionalSettings;
using testing::Person;

// What the import dialog and "Import" make of an exported file, with Save's cutting.
std::vector<AddressRecord> ReadBack(const std::string& file, const std::string& picture,
                                    const std::string& separator) {
    const FakeRegionalSettings settings(picture, separator);
    const ShortDateParser dates(settings, {2026, 12, 8});
    std::vector<AddressRecord> records;
    for (const std::string& line : VCardToImportLines(file, Windows1252Converter(), settings).lines)
        records.push_back(DecodeRecord(EncodeRecord(PendingAddressFromLine(line, dates))));
    return records;
}

TEST(WriteVCards, OneVersionThreeCardPerRecordInUtf8WithCrLf) {
    AddressRecord ben = Person("Ben", "", {2999, 1, 1}, "");
    ben.Birthday += 0.75;  // a time of day changes nothing
    AddressRecord anna = Anna();
    anna.Birthday += 0.75;
    const std::vector<AddressRecord> records{anna, ben, Person("Uma", "Ohne", {1604, 7, 14}, "m")};
    EXPECT_EQ(WriteVCards(records),
              "BEGIN:VCARD\r\n"
              "VERSION:3.0\r\n"
              "N:Berg;Anna;;;\r\n"
              "FN:Anna Berg\r\n"
              "BDAY:1971-04-03\r\n"
              "ADR;TYPE=HOME:;;Hauptstra\xC3\x9F"
              "e 1;Bonn;;53111;Deutschland\r\n"
              "TEL;TYPE=HOME:0228 1\r\n"
              "TEL;TYPE=FAX:0228 2\r\n"
              "TEL;TYPE=CELL:0171 3\r\n"
              "EMAIL;TYPE=INTERNET:anna@example.org\r\n"
              "URL:https://anna.example.org/a\\,b\\;c\r\n"
              "X-GENDER:Female\r\n"
              "END:VCARD\r\n"
              "BEGIN:VCARD\r\n"
              "VERSION:3.0\r\n"
              "N:;Ben;;;\r\n"
              "FN:Ben\r\n"
              "END:VCARD\r\n"
              "BEGIN:VCARD\r\n"
              "VERSION:3.0\r\n"
              "N:Ohne;Uma;;;\r\n"
              "FN:Uma Ohne\r\n"
              "BDAY;X-APPLE-OMIT-YEAR=1604:1604-07-14\r\n"
              "X-GENDER:Male\r\n"
              "END:VCARD\r\n");
    EXPECT_EQ(WriteVCards({}), "");
}

TEST(WriteVCards, TextsAreEscapedAndDamagedValuesWriteNoBirthday) {
    AddressRecord r = Person("A,n\\n", "B;e\r\ng", {1970, 1, 1}, "w");
    r.Birthday = std::numeric_limits<double>::quiet_NaN();
    r.Url = "x\ny";
    const std::string card = WriteVCards(std::vector{r});
    EXPECT_NE(card.find("\r\nN:B\\;e\\ng;A\\,n\\\\n;;;\r\n"), std::string::npos) << card;
    EXPECT_NE(card.find("\r\nFN:A\\,n\\\\n B\\;e\\ng\r\n"), std::string::npos) << card;
    EXPECT_NE(card.find("\r\nURL:x\\ny\r\n"), std::string::npos) << card;
    EXPECT_NE(card.find("\r\nX-GENDER:w\r\n"), std::string::npos) << card;
    EXPECT_EQ(card.find("BDAY"), std::string::npos);
}

TEST(AppendContentLine, FoldsAtSeventyFiveOctetsWithoutSplittingACharacter) {
    // Two-byte characters after an odd number of ASCII bytes put a character across every
    // naive cut; a three-byte one at the end too.
    std::string value = "x";
    for (int i = 0; i < 100; ++i)
        value += "\xC3\xA4";  // ä
    value += "\xE2\x82\xAC";  // €
    std::string out;
    AppendContentLine(out, "NOTE:" + value);
    ASSERT_TRUE(out.ends_with("\r\n"));
    std::string unfolded;
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find("\r\n", start);
        const std::string line = out.substr(start, end - start);
        EXPECT_LE(line.size(), 75u);
        EXPECT_GE(line.size(), 73u - (end + 2 == out.size() ? 73u : 0u));  // no needless breaks
        if (start > 0) {
            ASSERT_EQ(line[0], ' ');
            EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << "split character";
        }
        unfolded += start > 0 ? line.substr(1) : line;
        start = end + 2;
    }
    EXPECT_EQ(unfolded, "NOTE:" + value);
    EXPECT_TRUE(IsValidUtf8(unfolded));

    std::string exact;
    AppendContentLine(exact, std::string(75, 'a'));
    EXPECT_EQ(exact, std::string(75, 'a') + "\r\n");
}

TEST(WriteVCards, ReadBackAndImportedGivesTheSameRecords) {
    AddressRecord full = Anna();
    full.Url = "https://anna.example.org/path";  // a ";" cannot survive any list import
    AddressRecord longest =
        Person(std::string(29, 'a') + "ä", "Ü" + std::string(29, 'o'), {1900, 2, 28}, "m");
    longest.Street = std::string(48, 's') + "ß€";
    longest.Zip = std::string(10, '9');
    longest.City = "Köln, \\Rhein";
    longest.Country = std::string(40, 'c');
    longest.Phone = "+49 (0) 228 1234-56";
    longest.Email = std::string(30, 'e');
    longest.Url = std::string(50, 'u');
    const std::vector<AddressRecord> records{
        full,
        longest,
        Person("Lea", "Sprung", {1988, 2, 29}, "f"),
        Person("Uma", "Ohne", {1604, 2, 29}, "w"),
        Person("Ben", "", {2999, 1, 1}, ""),
        Person("", "Nachname", {2001, 12, 31}, "m"),
        Person("", "", {1950, 6, 15}, ""),
        Person("Anna", "Berg", {1971, 4, 3}, "f"),  // an identical second Anna
    };
    const std::string file = WriteVCards(records);
    EXPECT_EQ(ReadBack(file, "dd.MM.yyyy", "."), records);
    EXPECT_EQ(ReadBack(file, "M/d/yy", "/"), records);  // four-digit years in the lines
}

TEST(WriteVCards, SemicolonsComeBackAsCommas) {
    AddressRecord r = Person("Anna", "Berg; Müller", {1971, 4, 3});
    const std::vector<AddressRecord> back =
        ReadBack(WriteVCards(std::vector{r}), "dd.MM.yyyy", ".");
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].LastName, "Berg, Müller");
}

}  // namespace
}  // namespace natalo
