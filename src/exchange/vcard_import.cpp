#include "exchange/vcard_import.h"

#include <charconv>
#include <limits>
#include <optional>

#include "addressbook/address_record.h"
#include "exchange/ascii_text.h"
#include "exchange/export_line.h"
#include "exchange/import_line.h"
#include "exchange/vcard_birthday.h"
#include "exchange/vcard_values.h"
#include "platform/date_format.h"

namespace natalo {
namespace {

constexpr int kNotPreferred = std::numeric_limits<int>::max();

bool IsLineBreak(char32_t c) {
    return c == '\r' || c == '\n' || c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

// The text as one line of the import list, still UTF-8: each run of line breaks a blank
// (none at either end), other control characters blanks, ";" a ",". Characters outside the
// Basic Multilingual Plane become U+FFFD here: no ANSI code page has them, and a converter
// that works in UTF-16 would otherwise make two "?" of each; U+FFFD becomes one, counted.
std::string SingleLine(std::string_view utf8) {
    std::string line;
    line.reserve(utf8.size());
    bool breakPending = false;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = DecodeUtf8At(utf8, pos);
        if (IsLineBreak(c)) {
            breakPending = true;
            continue;
        }
        if (breakPending && !line.empty())
            line += ' ';
        breakPending = false;
        if (IsControl(c)) {
            line += ' ';
        } else if (c == ';') {
            line += ',';
        } else if (c >= 0x10000) {
            AppendUtf8(line, kReplacementCharacter);
        } else {
            AppendUtf8(line, c);
        }
    }
    return line;
}

std::size_t CapacityOf(std::string AddressRecord::*member) {
    for (const TextField& field : kTextFields) {
        if (field.member == member)
            return field.capacity;
    }
    return std::string::npos;
}

// The properties of one card that fill the line.
struct CardFields {
    const VCardProperty* name = nullptr;
    const VCardProperty* formattedName = nullptr;
    const VCardProperty* address = nullptr;
    const VCardProperty* homeAddress = nullptr;
    const VCardProperty* phone = nullptr;
    const VCardProperty* fax = nullptr;
    const VCardProperty* mobile = nullptr;
    const VCardProperty* email = nullptr;
    int emailPreference = kNotPreferred;
    const VCardProperty* url = nullptr;
    const VCardProperty* gender = nullptr;
    const VCardProperty* xGender = nullptr;
    const VCardProperty* wabGender = nullptr;
    std::optional<CivilDate> birthday;
};

// 1 for the PREF type, n for PREF=n (1 is the most preferred), else not preferred.
int Preference(const VCardProperty& property) {
    if (const std::string* pref = property.Parameter("PREF")) {
        const std::string_view text = TrimBlanks(*pref);
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size() && value >= 1)
            return value;
    }
    return property.HasType("PREF") ? 1 : kNotPreferred;
}

void KeepFirst(const VCardProperty*& slot, const VCardProperty& property) {
    if (!slot)
        slot = &property;
}

CardFields FieldsOf(const VCard& card) {
    CardFields fields;
    for (const VCardProperty& p : card.properties) {
        if (TrimBlanks(p.value).empty())
            continue;
        if (p.name == "N") {
            KeepFirst(fields.name, p);
        } else if (p.name == "FN") {
            KeepFirst(fields.formattedName, p);
        } else if (p.name == "ADR") {
            KeepFirst(fields.address, p);
            if (p.HasType("HOME"))
                KeepFirst(fields.homeAddress, p);
        } else if (p.name == "TEL") {
            if (p.HasType("FAX"))
                KeepFirst(fields.fax, p);
            else if (p.HasType("CELL") || p.HasType("MOBILE"))
                KeepFirst(fields.mobile, p);
            else
                KeepFirst(fields.phone, p);
        } else if (p.name == "EMAIL") {
            if (const int preference = Preference(p);
                !fields.email || preference < fields.emailPreference) {
                fields.email = &p;
                fields.emailPreference = preference;
            }
        } else if (p.name == "URL") {
            KeepFirst(fields.url, p);
        } else if (p.name == "BDAY") {
            if (!fields.birthday)
                fields.birthday = VCardBirthday(p);
        } else if (p.name == "GENDER") {
            KeepFirst(fields.gender, p);
        } else if (p.name == "X-GENDER") {
            KeepFirst(fields.xGender, p);
        } else if (p.name == "X-WAB-GENDER") {
            KeepFirst(fields.wabGender, p);
        }
    }
    return fields;
}

std::string Component(const std::vector<std::string>& components, std::size_t index) {
    return index < components.size() ? components[index] : std::string();
}

std::string TrimmedText(const VCardProperty* property) {
    return property ? std::string(TrimBlanks(TextValue(*property))) : std::string();
}

std::string PhoneNumber(const VCardProperty* property) {
    std::string number = TrimmedText(property);
    if (number.size() >= 4 && EqualsIgnoringCase(std::string_view(number).substr(0, 4), "tel:"))
        number.erase(0, 4);
    return number;
}

std::string GenderOf(const CardFields& fields) {
    if (fields.gender) {
        const std::string sex =
            AsciiUpper(TrimBlanks(Component(TextComponents(*fields.gender), 0)));
        if (sex == "M" || sex == "F")
            return sex == "M" ? "m" : "f";
    }
    if (fields.xGender) {
        const std::string value = TrimmedText(fields.xGender);
        if (EqualsIgnoringCase(value, "male") || EqualsIgnoringCase(value, "m"))
            return "m";
        if (EqualsIgnoringCase(value, "female") || EqualsIgnoringCase(value, "f"))
            return "f";
        if (!value.empty())
            return value;
    }
    const std::string wab = TrimmedText(fields.wabGender);
    return wab == "2" ? "m" : wab == "1" ? "f" : "";
}

// One card's person, its texts in ANSI and cut to the address book's field sizes.
class PersonBuilder {
  public:
    explicit PersonBuilder(const AnsiConverter& converter) : converter_(converter) {
        person_.Birthday = std::numeric_limits<double>::quiet_NaN();  // no text in the line
    }

    void Set(std::string AddressRecord::*field, std::string_view utf8) {
        std::string text = converter_.FromUtf8(SingleLine(utf8), lost_);
        if (const std::size_t capacity = CapacityOf(field); text.size() > capacity) {
            text.resize(capacity);
            shortened_ = true;
        }
        person_.*field = std::move(text);
    }

    void SetNames(const CardFields& fields) {
        if (fields.name) {
            const std::vector<std::string> parts = TextComponents(*fields.name);
            const std::string family = Component(parts, 0);
            const std::string given = Component(parts, 1);
            if (!TrimBlanks(family).empty() || !TrimBlanks(given).empty()) {
                Set(&AddressRecord::LastName, family);
                Set(&AddressRecord::FirstName, given);
                return;
            }
        }
        const std::string full = SingleLine(TrimmedText(fields.formattedName));
        const std::string_view name = TrimBlanks(full);
        const std::size_t blank = name.rfind(' ');
        if (blank == std::string_view::npos) {
            Set(&AddressRecord::FirstName, name);
        } else {
            Set(&AddressRecord::FirstName, TrimBlanks(name.substr(0, blank)));
            Set(&AddressRecord::LastName, name.substr(blank + 1));
        }
    }

    void SetAddress(const VCardProperty* address) {
        if (!address)
            return;
        const std::vector<std::string> parts = TextComponents(*address);
        std::string street = Component(parts, 2);
        if (const std::string extended = Component(parts, 1); !extended.empty())
            street += street.empty() ? extended : ", " + extended;
        Set(&AddressRecord::Street, street);
        Set(&AddressRecord::City, Component(parts, 3));
        Set(&AddressRecord::Zip, Component(parts, 5));
        Set(&AddressRecord::Country, Component(parts, 6));
    }

    void SetGender(std::string_view utf8) {
        // Save keeps the first character; the line shows just that.
        person_.Gender = converter_.FromUtf8(SingleLine(utf8)).substr(0, 1);
    }

    void SetBirthday(const CivilDate& date) { person_.Birthday = DateValue(date); }

    const AddressRecord& Person() const { return person_; }
    bool Shortened() const { return shortened_; }
    std::size_t LostCharacters() const { return lost_; }

  private:
    const AnsiConverter& converter_;
    AddressRecord person_;
    bool shortened_ = false;
    std::size_t lost_ = 0;
};

}  // namespace

std::string VCardImport::Text() const {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

VCardImport VCardToImportLines(std::string_view bytes, const AnsiConverter& converter,
                               const RegionalSettings& regional) {
    const std::string picture = WithFourDigitYear(regional.ShortDateFormat());
    VCardImport result;
    for (const VCard& card : ReadVCards(bytes)) {
        const CardFields fields = FieldsOf(card);
        PersonBuilder person(converter);
        person.SetNames(fields);
        person.SetAddress(fields.homeAddress ? fields.homeAddress : fields.address);
        person.Set(&AddressRecord::Phone, PhoneNumber(fields.phone));
        person.Set(&AddressRecord::Fax, PhoneNumber(fields.fax));
        person.Set(&AddressRecord::Mobile, PhoneNumber(fields.mobile));
        person.Set(&AddressRecord::Email, TrimmedText(fields.email));
        person.Set(&AddressRecord::Url, TrimmedText(fields.url));
        person.SetGender(GenderOf(fields));
        if (fields.birthday)
            person.SetBirthday(*fields.birthday);

        result.lines.push_back(ExportLine(person.Person(), regional, picture));
        ++result.cards;
        result.withoutBirthday += fields.birthday ? 0 : 1;
        result.unterminated += card.unterminated ? 1 : 0;
        result.shortened += person.Shortened() ? 1 : 0;
        result.lostCharacters += person.LostCharacters();
    }
    return result;
}

std::string VCardLoadSummary(const VCardImport& cards, const RegionalSettings& regional) {
    std::string text = std::to_string(cards.cards) + (cards.cards == 1 ? " card" : " cards") +
                       " read, " + std::to_string(cards.withoutBirthday) +
                       " of them without a birthday";
    if (cards.withoutBirthday > 0)
        text += " (Import saves them with " + ShortDateText(NoBirthdayValue(), regional) + ")";
    text += ".";
    if (cards.unterminated > 0)
        text += "\r\n" + std::to_string(cards.unterminated) +
                " without an end, read up to the next card or the end of the file.";
    if (cards.shortened > 0)
        text += "\r\n" + std::to_string(cards.shortened) +
                " with a value longer than the address book keeps, cut to fit.";
    if (cards.lostCharacters > 0)
        text += "\r\n" + std::to_string(cards.lostCharacters) +
                (cards.lostCharacters == 1 ? " character" : " characters") +
                " that the address book cannot hold became \"?\".";
    return text;
}

}  // namespace natalo
