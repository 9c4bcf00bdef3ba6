#include "exchange/vcard_export.h"

#include <cstdio>

#include "exchange/content_lines.h"
#include "exchange/export_line.h"
#include "exchange/import_line.h"
#include "exchange/text_encoding.h"

namespace natalo {
namespace {

std::string Text(std::string_view ansi) {
    return EscapeText(Utf8FromWindows1252(ansi));
}

std::string IsoDate(const CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string GenderValue(const std::string& gender) {
    if (gender == "m")
        return "Male";
    if (gender == "f")
        return "Female";
    return Text(gender);
}

void AppendCard(std::string& out, const AddressRecord& r) {
    auto line = [&](const std::string& head, const std::string& value) {
        if (!value.empty())
            AppendContentLine(out, std::string(head) + ":" + value);
    };
    AppendContentLine(out, "BEGIN:VCARD");
    AppendContentLine(out, "VERSION:3.0");
    AppendContentLine(out, "N:" + Text(r.LastName) + ";" + Text(r.FirstName) + ";;;");
    AppendContentLine(out, "FN:" + Text(FullName(r)));
    if (const auto birthday = KnownBirthday(r)) {
        const bool noYear = birthday->year == kUnknownBirthYear;
        line(noYear ? "BDAY;X-APPLE-OMIT-YEAR=" + std::to_string(kUnknownBirthYear) : "BDAY",
             IsoDate(*birthday));
    }
    if (!(r.Street + r.City + r.Zip + r.Country).empty()) {
        line("ADR;TYPE=HOME", ";;" + Text(r.Street) + ";" + Text(r.City) + ";;" + Text(r.Zip) +
                                  ";" + Text(r.Country));
    }
    line("TEL;TYPE=HOME", Text(r.Phone));
    line("TEL;TYPE=FAX", Text(r.Fax));
    line("TEL;TYPE=CELL", Text(r.Mobile));
    line("EMAIL;TYPE=INTERNET", Text(r.Email));
    // Escaped as text, as the address books write it and their parsers expect it.
    line("URL", Text(r.Url));
    line("X-GENDER", GenderValue(r.Gender));
    AppendContentLine(out, "END:VCARD");
}

}  // namespace

std::string WriteVCards(std::span<const AddressRecord> records) {
    std::string out;
    for (const AddressRecord& record : records)
        AppendCard(out, record);
    return out;
}

}  // namespace natalo
