#include "exchange/vcard_import.h"

#include <gtest/gtest.h>

#include <random>

#include "exchange/import_line.h"
#include "support/fake_regional_settings.h"

namespace natalo {
namespace {

using namespace std::string_literals;
using testing::FakeRegionalSettings;

// The lines of a file, each ended with CR LF as the address books write them.
std::string Crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

VCardImport Read(std::string_view bytes, const std::string& picture = "dd.MM.yyyy") {
    const FakeRegionalSettings settings(picture,
                                        picture.find('/') != std::string::npos ? "/" : ".");
    return VCardToImportLines(bytes, Windows1252Converter(), settings);
}

std::vector<std::string> LinesOf(std::string_view bytes) {
    return Read(bytes).lines;
}

// The import's reading of a line, as "Import" will save it.
AddressRecord Saved(const std::string& line, const std::string& picture = "dd.MM.yyyy") {
    const FakeRegionalSettings settings(picture,
                                        picture.find('/') != std::string::npos ? "/" : ".");
    return PendingAddressFromLine(line, ShortDateParser(settings, {2026, 12, 8}));
}

// Every card's name line is the same; only the property under test differs.
std::string OneCard(std::initializer_list<std::string_view> properties,
                    std::string_view version = "3.0") {
    std::string card = "BEGIN:VCARD\r\nVERSION:" + std::string(version) + "\r\nN:Berg;Anna;;;\r\n";
    for (const std::string_view p : properties) {
        card += p;
        card += "\r\n";
    }
    return card + "END:VCARD\r\n";
}

// Google Contacts: vCard 3.0 in UTF-8, grouped URL with an escaped colon, a work address
// before the home one, a birthday without a year as --MM-DD, a photo as a web address.
TEST(VCardProducers, GoogleContacts) {
    const std::string file = Crlf({
        "BEGIN:VCARD",
        "VERSION:3.0",
        "FN:Anna Berg",
        "N:Berg;Anna;;;",
        "EMAIL;TYPE=INTERNET;TYPE=HOME:anna.berg@example.com",
        "EMAIL;TYPE=INTERNET;TYPE=WORK:a.berg@firma.example",
        "TEL;TYPE=CELL:+49 171 2345678",
        "TEL;TYPE=HOME:+49 228 123456",
        "ADR;TYPE=WORK:;;Am Markt 5;Bonn;;53111;Deutschland",
        "ADR;TYPE=HOME:;;Hauptstra\xC3\x9F"
        "e 1;K\xC3\xB6ln;;50667;Deutschland",
        "BDAY:1971-04-03",
        "item1.URL:https\\://anna.example.org",
        "item1.X-ABLabel:PROFILE",
        "CATEGORIES:myContacts",
        "END:VCARD",
        "BEGIN:VCARD",
        "VERSION:3.0",
        "FN:J\xC3\xB6rg Wei\xC3\x9F",
        "N:Wei\xC3\x9F;J\xC3\xB6rg;;;",
        "TEL;TYPE=WORK:0221 555",
        "BDAY:--11-05",
        "PHOTO:https://photos.example.com/contacts/joerg.jpg",
        "END:VCARD",
    });
    const VCardImport result = Read(file);
    EXPECT_EQ(result.lines,
              (std::vector<std::string>{
                  "Anna;Berg;03.04.1971;;Hauptstraße 1;50667;Köln;Deutschland;+49 228 123456;;"
                  "+49 171 2345678;anna.berg@example.com;https://anna.example.org;",
                  "Jörg;Weiß;05.11.1604;;;;;;0221 555;;;;;"}));
    EXPECT_EQ(result.cards, 2u);
    EXPECT_EQ(result.withoutBirthday, 0u);
}

// Apple Contacts: vCard 3.0, lower-case parameter names and repeated type parameters,
// grouped properties, the preferred e-mail second, a two-line street, Apple's year 1604
// for a birthday without a year, an embedded folded photo.
TEST(VCardProducers, AppleContacts) {
    const std::string file = Crlf({
        "BEGIN:VCARD",
        "VERSION:3.0",
        "PRODID:-//Apple Inc.//macOS 14.4//EN",
        "N:Cole;Ben;;;",
        "FN:Ben Cole",
        "item1.EMAIL;type=INTERNET;type=HOME:ben@home.example",
        "item2.EMAIL;type=INTERNET;type=WORK;type=pref:ben.cole@work.example",
        "TEL;type=CELL;type=VOICE;type=pref:+1 (555) 010-0100",
        "TEL;type=HOME;type=FAX:+1 (555) 010-0102",
        "item3.ADR;type=HOME;type=pref:;;12 Elm Street\\nApt 4;Springfield;IL;62701;United States",
        "item3.X-ABADR:us",
        "BDAY;X-APPLE-OMIT-YEAR=1604:1604-07-14",
        "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAMCAgMCAgMDAwMEAwMEBQgF",
        " BQQEBQoHBwYIDAoMDAsKCwsNDhIQDQ4RDgsLEBYQERMUFRUVDA8XGBYUGBIUFRT/2wBDAQMEBAUE",
        " BQkFBQkUDQsNFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQU",
        "END:VCARD",
        "BEGIN:VCARD",
        "VERSION:3.0",
        "N:Dahl;Clara;;;",
        "FN:Clara Dahl",
        "BDAY;value=date:1985-11-23",
        "X-ABShowAs:PERSON",
        "END:VCARD",
    });
    EXPECT_EQ(LinesOf(file), (std::vector<std::string>{
                                 "Ben;Cole;14.07.1604;;12 Elm Street Apt 4;62701;Springfield;"
                                 "United States;;+1 (555) 010-0102;+1 (555) 010-0100;"
                                 "ben.cole@work.example;;",
                                 "Clara;Dahl;23.11.1985;;;;;;;;;;;"}));
}

// Outlook: vCard 2.1 in Windows-1252 (this file's bytes), bare types, quoted-printable
// with soft line breaks in the address, label and note, the home address after a preferred
// work one, X-WAB-GENDER, an indented base64 photo ended by an empty line, and a second
// card in ISO-8859-1 without a birthday.
TEST(VCardProducers, OutlookTwoPointOne) {
    const std::string file = Crlf({
        "BEGIN:VCARD",
        "VERSION:2.1",
        "N;LANGUAGE=de;CHARSET=Windows-1252:Müller;Jürgen",
        "FN;CHARSET=Windows-1252:Jürgen Müller",
        "ORG;CHARSET=Windows-1252:Müller & Söhne",
        "TEL;WORK;VOICE:0221 4711",
        "TEL;HOME;VOICE:0228 123456",
        "TEL;CELL;VOICE:0171 9876543",
        "TEL;HOME;FAX:0228 123457",
        "ADR;WORK;PREF:;;Industriestr. 9;Köln;;50667;Deutschland",
        "ADR;HOME;ENCODING=QUOTED-PRINTABLE;CHARSET=Windows-1252:;;Schlo=DFallee 7=0D=0AHinterhaus;"
        "K=F6ln;;50667;Deutschl=",
        "and",
        "LABEL;HOME;ENCODING=QUOTED-PRINTABLE;CHARSET=Windows-1252:Schlo=DFallee 7=0D=0A=",
        "Hinterhaus=0D=0A=",
        "50667 K=F6ln",
        "X-MS-OL-DEFAULT-POSTAL-ADDRESS:2",
        "URL;HOME:http://www.mueller.example",
        "EMAIL;PREF;INTERNET:juergen@mueller.example",
        "X-WAB-GENDER:2",
        "BDAY:19650812",
        "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=Windows-1252:Trinkt Kaffee =96 und =",
        "isst Kuchen.",
        "PHOTO;TYPE=JPEG;ENCODING=BASE64:",
        "    /9j/4AAQSkZJRgABAQEAYABgAAD/2wBDAAgGBgcGBQgHBwcJCQgKDBQNDAsLDBkSEw8UHRofHh0a",
        "    HBwgJC4nICIsIxwcKDcpLDAxNDQ0Hyc5PTgyPC4zNDL/2wBDAQkJCQwLDBgNDRgyIRwhMjIyMjIy",
        "",
        "REV:20240101T120000Z",
        "END:VCARD",
        "",
        "BEGIN:VCARD",
        "VERSION:2.1",
        "N;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Sch=F6nfeld;B=E4rbel",
        "FN;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:B=E4rbel Sch=F6nfeld",
        "TEL;WORK;VOICE:030 12345",
        "EMAIL;INTERNET:baerbel@example.de",
        "X-WAB-GENDER:1",
        "END:VCARD",
    });
    const VCardImport result = Read(file);
    EXPECT_EQ(result.lines, (std::vector<std::string>{
                                "Jürgen;Müller;12.08.1965;m;Schloßallee 7 Hinterhaus;50667;Köln;"
                                "Deutschland;0221 4711;0228 123457;0171 9876543;"
                                "juergen@mueller.example;http://www.mueller.example;",
                                "Bärbel;Schönfeld;;f;;;;;030 12345;;;baerbel@example.de;;"}));
    EXPECT_EQ(result.withoutBirthday, 1u);
}

// Android: vCard 4.0, lower-case types, a tel: URI, GENDER, birthdays without a year as
// --MMDD (also 29 February), a letter Windows-1252 lacks.
TEST(VCardProducers, AndroidFourPointZero) {
    const std::string file = Crlf({
        "BEGIN:VCARD",
        "VERSION:4.0",
        "N:Rossi;Chiara;;;",
        "FN:Chiara Rossi",
        "TEL;TYPE=cell:+39 333 1234567",
        "TEL;TYPE=work;VALUE=uri:tel:+39-06-5551234",
        "EMAIL;TYPE=home:chiara@example.it",
        "BDAY:--0229",
        "GENDER:F",
        "END:VCARD",
        "BEGIN:VCARD",
        "VERSION:4.0",
        "N:Y\xC4\xB1lmaz;Ahmet;;;",
        "FN:Ahmet Y\xC4\xB1lmaz",
        "TEL;TYPE=cell:+90 555 0000",
        "BDAY:--1231",
        "GENDER:M;he/him",
        "END:VCARD",
    });
    EXPECT_EQ(LinesOf(file), (std::vector<std::string>{
                                 "Chiara;Rossi;29.02.1604;f;;;;;+39-06-5551234;;+39 333 1234567;"
                                 "chiara@example.it;;",
                                 "Ahmet;Yilmaz;31.12.1604;m;;;;;;;+90 555 0000;;;"}));
}

// Thunderbird: vCard 4.0, PREF=n on e-mails, VALUE parameters, BDAY with and without
// VALUE=DATE, a card with FN only.
TEST(VCardProducers, ThunderbirdFourPointZero) {
    const std::string file = Crlf({
        "BEGIN:VCARD",
        "VERSION:4.0",
        "PRODID:-//Mozilla.org/NONSGML Thunderbird 115//EN",
        "EMAIL;PREF=2:dana.weiss@work.example",
        "EMAIL;PREF=1:dana@example.org",
        "FN:Dana Wei\xC3\x9F",
        "N:Wei\xC3\x9F;Dana;;;",
        "BDAY;VALUE=DATE:19930102",
        "TEL;TYPE=work;VALUE=TEXT:+49 30 1234567",
        "TEL;TYPE=cell;VALUE=TEXT:+49 151 7654321",
        "ADR;TYPE=home:;;Lindenweg 3;Berlin;;10115;Germany",
        "URL;TYPE=home;VALUE=URL:https://dana.example.org",
        "NOTE:Kennt sich aus mit Z\xC3\xBCgen\\, Bahnen und Bussen",
        "UID:6d3f8a52-0c0d-4c38-9f3a-5a1b2c3d4e5f",
        "END:VCARD",
        "BEGIN:VCARD",
        "VERSION:4.0",
        "FN:Emil van Dijk",
        "BDAY:19930102",
        "END:VCARD",
    });
    EXPECT_EQ(LinesOf(file),
              (std::vector<std::string>{"Dana;Weiß;02.01.1993;;Lindenweg 3;10115;Berlin;Germany;"
                                        "+49 30 1234567;;+49 151 7654321;dana@example.org;"
                                        "https://dana.example.org;",
                                        "Emil van;Dijk;02.01.1993;;;;;;;;;;;"}));
}

TEST(IsVCardFile, FirstNonBlankLineInAnyCaseWhateverTheEncoding) {
    EXPECT_TRUE(IsVCardFile("BEGIN:VCARD\r\nEND:VCARD\r\n"));
    EXPECT_TRUE(IsVCardFile("\r\n  \n\tbegin:vCard  \nVERSION:3.0"));
    EXPECT_TRUE(
        IsVCardFile("\xEF\xBB\xBF"
                    "BEGIN:VCARD\n"));
    EXPECT_TRUE(
        IsVCardFile("\xFF\xFE"
                    "B\0E\0G\0I\0N\0:\0V\0C\0A\0R\0D\0"s));
    EXPECT_FALSE(IsVCardFile("Anna;Berg;03.04.1971;\r\nBEGIN:VCARD\r\n"));
    EXPECT_FALSE(IsVCardFile("BEGIN:VCALENDAR\r\n"));
    EXPECT_FALSE(IsVCardFile("BEGIN:VCARDS\r\n"));
    EXPECT_FALSE(IsVCardFile(""));
    EXPECT_FALSE(IsVCardFile("\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s));
}

TEST(VCardToImportLines, NamesFromNOrElseFromFnSplitAtItsLastBlank) {
    auto names = [](std::initializer_list<std::string_view> properties) {
        std::string card = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        for (const std::string_view p : properties)
            card += std::string(p) + "\r\n";
        const AddressRecord r = Saved(Read(card + "END:VCARD\r\n").lines.at(0));
        return r.FirstName + "|" + r.LastName;
    };
    EXPECT_EQ(names({"FN:Anna Maria Berg", "N:Berg;Anna;Maria;Dr.;"}), "Anna|Berg");
    EXPECT_EQ(names({"FN:Anna Maria Berg", "N:;;;;"}), "Anna Maria|Berg");
    EXPECT_EQ(names({"FN:  Anna Maria   Berg  "}), "Anna Maria|Berg");
    EXPECT_EQ(names({"FN:Cher"}), "Cher|");
    EXPECT_EQ(names({"N:Berg;;;;"}), "|Berg");
    EXPECT_EQ(names({"N:O\\;Neil\\, Jr.;Pat\\\\Sam;;;"}), "Pat\\Sam|O,Neil, Jr.");
    EXPECT_EQ(names({}), "|");
    EXPECT_EQ(names({"N;LANGUAGE=\"de:Berg;Anna"}), "Anna|Berg");  // an unbalanced quote
}

TEST(VCardToImportLines, AddressPhonesEmailAndUrlChoices) {
    const AddressRecord r = Saved(LinesOf(OneCard({
        "ADR;TYPE=WORK:;;Am Markt 5;Bonn;;53111;Deutschland",
        "ADR;TYPE=HOME,POSTAL:Postfach 1;c/o Meier;Lindenweg 3;Berlin;BE;10115;Germany",
        "ADR;TYPE=HOME:;;Zweitwohnung 1;Kiel;;24103;Germany",
        "TEL;TYPE=\"voice,cell\":0171 1",
        "TEL;TYPE=CELL:0171 2",
        "TEL;TYPE=FAX,CELL:030 9",
        "TEL:",
        "TEL;TYPE=MOBILE:0171 3",
        "TEL;TYPE=WORK:tel:030 1",
        "TEL;TYPE=HOME:030 2",
        "EMAIL:first@example.org",
        "EMAIL;PREF=50:fifty@example.org",
        "EMAIL;PREF=7:seven@example.org",
        "EMAIL;TYPE=PREF:typepref@example.org",
        "URL:https://one.example",
        "URL:https://two.example",
    }))[0]);
    EXPECT_EQ(r.Street, "Lindenweg 3, c/o Meier");
    EXPECT_EQ(r.City, "Berlin");
    EXPECT_EQ(r.Zip, "10115");
    EXPECT_EQ(r.Country, "Germany");
    EXPECT_EQ(r.Mobile, "0171 1");
    EXPECT_EQ(r.Fax, "030 9");
    EXPECT_EQ(r.Phone, "030 1");
    EXPECT_EQ(r.Email, "typepref@example.org");
    EXPECT_EQ(r.Url, "https://one.example");

    // Without a home address the first one counts.
    EXPECT_EQ(Saved(LinesOf(OneCard({"ADR;TYPE=WORK:;;Am Markt 5;Bonn;;53111;Deutschland",
                                     "ADR:;;Zweite 1;Kiel;;24103;"}))[0])
                  .Street,
              "Am Markt 5");
}

TEST(VCardToImportLines, GenderFromGenderXGenderOrOutlooksNumber) {
    auto gender = [](std::string_view property, std::string_view version = "3.0") {
        return Saved(LinesOf(OneCard({property}, version))[0]).Gender;
    };
    EXPECT_EQ(gender("GENDER:M", "4.0"), "m");
    EXPECT_EQ(gender("GENDER:f;she", "4.0"), "f");
    EXPECT_EQ(gender("GENDER:O;other", "4.0"), "");
    EXPECT_EQ(gender("GENDER:U", "4.0"), "");
    EXPECT_EQ(gender("X-GENDER:Male"), "m");
    EXPECT_EQ(gender("X-GENDER:FEMALE"), "f");
    EXPECT_EQ(gender("x-gender:f"), "f");
    EXPECT_EQ(gender("X-GENDER:w"), "w");  // kept, as the text import keeps it
    EXPECT_EQ(gender("X-WAB-GENDER:2", "2.1"), "m");
    EXPECT_EQ(gender("X-WAB-GENDER:1", "2.1"), "f");
    EXPECT_EQ(gender("X-WAB-GENDER:0", "2.1"), "");
}

TEST(VCardToImportLines, BirthdayForms) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"BDAY:19771220", "20.12.1977"},
        {"BDAY:1977-12-20", "20.12.1977"},
        {"BDAY:1977-12-20T00:00:00Z", "20.12.1977"},
        {"BDAY:19771220T103000", "20.12.1977"},
        {"BDAY;VALUE=DATE:1977-12-20", "20.12.1977"},
        {"BDAY: 1977-12-20 ", "20.12.1977"},
        {"BDAY:--1220", "20.12.1604"},
        {"BDAY:--12-20", "20.12.1604"},
        {"BDAY;X-APPLE-OMIT-YEAR=1604:1604-12-20", "20.12.1604"},
        {"BDAY:1604-12-20", "20.12.1604"},
        {"BDAY;X-APPLE-OMIT-YEAR=1604:1977-12-20", "20.12.1977"},
        {"BDAY;X-APPLE-OMIT-YEAR=1900:1900-12-20", "20.12.1604"},
        {"BDAY:1977-02-29", ""},
        {"BDAY:--1232", ""},
        {"BDAY:1977-12", ""},
        {"BDAY:--12", ""},
        {"BDAY:1977", ""},
        {"BDAY:197712201", ""},
        {"BDAY:1977-1220", ""},
        {"BDAY;VALUE=text:circa 1977", ""},
        {"BDAY:0000-12-20", ""},
    };
    for (const auto& [property, expected] : cases)
        EXPECT_EQ(mySplit(LinesOf(OneCard({property}))[0], ';', 3), expected) << property;

    // A year the short date format would write with two digits keeps all four, so that
    // "Import" reads it back in its century.
    const std::string us = Read(OneCard({"BDAY:--0704"}), "M/d/yy").lines[0];
    EXPECT_EQ(us, "Anna;Berg;7/4/1604;;;;;;;;;;;");
    EXPECT_EQ(Saved(us, "M/d/yy").Birthday, DateValue({1604, 7, 4}));

    // The first usable BDAY counts.
    EXPECT_EQ(LinesOf(OneCard({"BDAY:unknown", "BDAY:19800101", "BDAY:19900101"}))[0],
              "Anna;Berg;01.01.1980;;;;;;;;;;;");
}

TEST(VCardToImportLines, CharacterSetsAndQuotedPrintable) {
    auto firstName = [](std::string_view n, std::string_view version = "2.1") {
        const std::string card = "BEGIN:VCARD\r\nVERSION:" + std::string(version) + "\r\n" +
                                 std::string(n) + "\r\nEND:VCARD\r\n";
        return Saved(LinesOf(card)[0]).FirstName;
    };
    EXPECT_EQ(firstName("N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;J=C3=BCrgen"), "Jürgen");
    EXPECT_EQ(firstName("N;CHARSET=utf-8;QUOTED-PRINTABLE:;J=c3=bcr=\r\ngen"), "Jürgen");
    EXPECT_EQ(firstName("N;CHARSET=ISO-8859-1:;J\xFCrgen"), "Jürgen");
    EXPECT_EQ(firstName("N;CHARSET=windows-1252:;\x80uro"), "€uro");
    EXPECT_EQ(firstName("N:;J\xC3\xBCrgen", "3.0"), "Jürgen");
    // Claimed or assumed UTF-8 that is not: the writer's ANSI, not question marks.
    EXPECT_EQ(firstName("N:;J\xFCrgen", "3.0"), "Jürgen");
    EXPECT_EQ(firstName("N;CHARSET=UTF-8:;J\xFCrgen"), "Jürgen");
    // An "=" that starts no hex pair stays; a soft break before END:VCARD does not eat it.
    EXPECT_EQ(firstName("N;ENCODING=QUOTED-PRINTABLE:;a=3Db=ZZc=4"), "a=b=ZZc=4");
    EXPECT_EQ(LinesOf("BEGIN:VCARD\r\nN;ENCODING=QUOTED-PRINTABLE:;Anna=\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nN:;Ben\r\nEND:VCARD\r\n"),
              (std::vector<std::string>{"Anna=;;;;;;;;;;;;;", "Ben;;;;;;;;;;;;;"}));
    // Base64 text is binary to us and skipped.
    EXPECT_EQ(firstName("N;ENCODING=BASE64:O0FubmE="), "");
}

TEST(VCardToImportLines, FoldedLinesByVersion) {
    // 2.1 folds only where a blank stood and keeps it; 3.0 and 4.0 drop the one blank.
    EXPECT_EQ(LinesOf(OneCard({"FN:x"}, "2.1") + "BEGIN:VCARD\r\nVERSION:2.1\r\n"
                                                 "N:Berg;Anna\r\n Maria\r\nEND:VCARD\r\n")[1],
              "Anna Maria;Berg;;;;;;;;;;;;");
    EXPECT_EQ(LinesOf("BEGIN:VCARD\r\nVERSION:4.0\r\nN:Berg;An\r\n na\r\n\t Maria\r\nEND:VCARD")[0],
              "Anna Maria;Berg;;;;;;;;;;;;");
}

TEST(VCardToImportLines, UnicodeFilesAndTheByteOrderMark) {
    const std::string utf8 = "\xEF\xBB\xBF" + OneCard({"FN:x", "ORG:J\xC3\xBCrgen"});
    EXPECT_EQ(LinesOf(utf8), std::vector<std::string>{"Anna;Berg;;;;;;;;;;;;"});

    // UTF-16 (little endian) with a CHARSET that the file's own encoding overrides.
    const std::string text =
        "BEGIN:VCARD\r\nN;CHARSET=ISO-8859-1:M\xC3\xBCller;\xF0\x9F\x98\x80 "
        "J\xC3\xB6rg\r\nEND:VCARD\r\n";
    std::string utf16 = "\xFF\xFE";
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = DecodeUtf8At(text, pos);
        auto unit = [&](char32_t u) {
            utf16 += static_cast<char>(u & 0xFF);
            utf16 += static_cast<char>(u >> 8);
        };
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    EXPECT_EQ(LinesOf(utf16), std::vector<std::string>{"? Jörg;Müller;;;;;;;;;;;;"});
}

// A converter that works as Windows does, through UTF-16: each unit the code page lacks
// becomes its own "?", so a character outside the Basic Multilingual Plane would give two.
class Utf16UnitConverter : public AnsiConverter {
  public:
    std::string FromUtf8(std::string_view utf8, std::size_t& lost) const override {
        std::string ansi;
        for (std::size_t pos = 0, start = 0; pos < utf8.size(); start = pos) {
            const char32_t c = DecodeUtf8At(utf8, pos);
            ansi += c >= 0x10000
                        ? "??"
                        : Windows1252Converter().FromUtf8(utf8.substr(start, pos - start), lost);
        }
        return ansi;
    }
};

TEST(VCardToImportLines, OneQuestionMarkForEachCharacterTheCodePageLacks) {
    const std::string card = OneCard({
        "ADR:;;Zo\xC3\xAB \xF0\x9F\x98\x80\xF0\x9F\x8E\x82 \xC5\x81\xC3\xB3\x64\xC5\xBA "
        "\xE4\xB8\xAD\xE6\x96\x87;;;;",
    });
    const FakeRegionalSettings settings("dd.MM.yyyy", ".");
    const Windows1252Converter ansi;
    const Utf16UnitConverter units;
    for (const AnsiConverter* converter :
         {static_cast<const AnsiConverter*>(&ansi), static_cast<const AnsiConverter*>(&units)}) {
        const VCardImport result = VCardToImportLines(card, *converter, settings);
        EXPECT_EQ(Saved(result.lines[0]).Street, "Zoë ?? Lódz ??");
        EXPECT_EQ(result.lostCharacters, 4u);
    }
}

TEST(VCardToImportLines, ValuesNeverBreakTheLineFormat) {
    const VCardImport result = Read(OneCard({
        "ADR:;;Hauptstr. 1\\nHinterhaus\\n;K\\;Bonn;;53111\x01\t;\\n",
        "TEL:0228\r\n  1",
        "EMAIL:a;b@example.org",
        "URL:http://x.example/\x00/y"s,
    }));
    ASSERT_EQ(result.lines.size(), 1u);
    const AddressRecord r = Saved(result.lines[0]);
    EXPECT_EQ(r.Street, "Hauptstr. 1 Hinterhaus");
    EXPECT_EQ(r.City, "K,Bonn");
    EXPECT_EQ(r.Zip, "53111  ");
    EXPECT_EQ(r.Country, "");
    EXPECT_EQ(r.Phone, "0228 1");
    EXPECT_EQ(r.Email, "a,b@example.org");
    EXPECT_EQ(r.Url, "http://x.example/ /y");
    EXPECT_EQ(result.shortened, 0u);
}

TEST(VCardToImportLines, ValuesLongerThanTheirFieldAreCutAndCounted) {
    const VCardImport result =
        Read(OneCard({"FN:x",
                      "ADR:;;" + std::string(60, 's') + ";" + std::string(45, 'c') + ";;" +
                          std::string(12, '9') + ";" + std::string(41, 'l'),
                      "EMAIL:" + std::string(40, 'e'), "BDAY:19800101"}));
    const std::string& line = result.lines[0];
    EXPECT_EQ(line, "Anna;Berg;01.01.1980;;" + std::string(50, 's') + ";" + std::string(10, '9') +
                        ";" + std::string(40, 'c') + ";" + std::string(40, 'l') + ";;;;" +
                        std::string(30, 'e') + ";;");
    EXPECT_EQ(result.shortened, 1u);
}

// --- Damaged files ------------------------------------------------------------------

TEST(DamagedVCards, ACardWithoutEndIsStillReadAndCounted) {
    const VCardImport result = Read(
        "BEGIN:VCARD\r\nN:Berg;Anna\r\nBDAY:19710403\r\n"  // no END, next BEGIN follows
        "BEGIN:VCARD\r\nN:Cole;Ben\r\nEND:VCARD\r\n"
        "N:Stray;Outside\r\nEND:VCARD\r\n"        // outside any card: skipped
        "BEGIN:VCARD\r\nN:Dahl;Clara\r\nTEL:1");  // the file ends inside it
    EXPECT_EQ(result.lines,
              (std::vector<std::string>{"Anna;Berg;03.04.1971;;;;;;;;;;;", "Ben;Cole;;;;;;;;;;;;",
                                        "Clara;Dahl;;;;;;;1;;;;;"}));
    EXPECT_EQ(result.cards, 3u);
    EXPECT_EQ(result.unterminated, 2u);
    EXPECT_EQ(result.withoutBirthday, 2u);
}

TEST(DamagedVCards, TwoPointOneAgentCardIsSkippedWhole) {
    EXPECT_EQ(LinesOf(Crlf({"BEGIN:VCARD", "VERSION:2.1", "N:Berg;Anna", "AGENT:", "BEGIN:VCARD",
                            "VERSION:2.1", "N:Agent;Secret", "TEL:007", "END:VCARD",
                            "TEL;HOME:0228 1", "END:VCARD"})),
              std::vector<std::string>{"Anna;Berg;;;;;;;0228 1;;;;;"});
}

TEST(DamagedVCards, BinaryFileIsNoVCardAndGivesNothing) {
    std::mt19937 random(14);
    std::string binary(256 * 1024, '\0');
    for (char& c : binary)
        c = static_cast<char>(random());
    EXPECT_FALSE(IsVCardFile(binary));
    const VCardImport result = Read(binary);
    EXPECT_EQ(result.cards, 0u);
    EXPECT_TRUE(result.lines.empty());

    // Garbage inside a card: one card, one clean line of bounded length.
    const VCardImport garbage = Read("BEGIN:VCARD\r\nN:Berg;Anna\r\n" + binary);
    ASSERT_EQ(garbage.cards, 1u);
    const std::string& line = garbage.lines[0];
    EXPECT_EQ(line.find_first_of("\r\n\0"s), std::string::npos);
    EXPECT_LT(line.size(), kImportLineLimit);
    EXPECT_TRUE(line.starts_with("Anna;Berg;"));
}

TEST(DamagedVCards, OneMegabytePhotoIsSkippedAndWhatFollowsIsRead) {
    std::string photo = "PHOTO;ENCODING=b;TYPE=JPEG:";
    for (int i = 0; i < 1024 * 1024 / 74; ++i)
        photo += "\r\n " + std::string(74, static_cast<char>('A' + i % 26));
    const VCardImport result = Read(OneCard({"FN:Anna Berg", photo, "BDAY:1971-04-03"}));
    EXPECT_EQ(result.lines, std::vector<std::string>{"Anna;Berg;03.04.1971;;;;;;;;;;;"});
}

TEST(DamagedVCards, HundredThousandCharacterLines) {
    const std::string longText(100000, 'x');
    const VCardImport result = Read(Crlf({
        "BEGIN:VCARD",
        "N:Berg;Anna",
        "NOTE:" + longText,   // skipped
        longText,             // no ":" at all: skipped
        "FN:" + longText,     // N wins; FN is not used
        "EMAIL:" + longText,  // cut to the field
        "BDAY:1971-04-03",
        "END:VCARD",
    }));
    EXPECT_EQ(result.lines, std::vector<std::string>{"Anna;Berg;03.04.1971;;;;;;;;;" +
                                                     std::string(30, 'x') + ";;"});
    EXPECT_EQ(result.shortened, 1u);
}

TEST(DamagedVCards, TenThousandCards) {
    std::string file;
    for (int i = 0; i < 10000; ++i) {
        file +=
            Crlf({"BEGIN:VCARD", "VERSION:3.0", "N:Person" + std::to_string(i) + ";Vorname;;;",
                  i % 4 == 0 ? "NOTE:no birthday" : "BDAY:1970-01-" + std::to_string(10 + i % 20),
                  "TEL;TYPE=CELL:0171 " + std::to_string(i), "END:VCARD"});
    }
    const VCardImport result = Read(file);
    ASSERT_EQ(result.cards, 10000u);
    ASSERT_EQ(result.lines.size(), 10000u);
    EXPECT_EQ(result.withoutBirthday, 2500u);
    EXPECT_EQ(result.unterminated, 0u);
    EXPECT_EQ(result.lines[0], "Vorname;Person0;;;;;;;;;0171 0;;;");
    EXPECT_EQ(result.lines[9999], "Vorname;Person9999;29.01.1970;;;;;;;;0171 9999;;;");
    EXPECT_TRUE(result.Text().ends_with(
        ";0171 9998;;;\r\nVorname;Person9999;29.01.1970;;;;;;;;0171 9999;;;\r\n"));
}

}  // namespace
}  // namespace natalo
