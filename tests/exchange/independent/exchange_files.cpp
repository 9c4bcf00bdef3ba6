// The native side of check_exchange_files.py, which puts Natalo's vCard and iCalendar
// code against other programs' parsers and writers:
//   exchange_files write FOLDER  writes the address book below as "people.vcf"
//                                (WriteVCards) and "birthdays.ics" (WriteBirthdayCalendar);
//   exchange_files read FILE     prints the import lines of a vCard file (VCardToImportLines,
//                                Windows-1252, short dates as dd.MM.yyyy), one per line.
// The texts are ANSI (Windows-1252), as the records hold them.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "exchange/birthday_calendar.h"
#include "exchange/vcard_export.h"
#include "exchange/vcard_import.h"
#include "support/records.h"

namespace {

using natalo::AddressRecord;
using natalo::testing::Person;

std::vector<AddressRecord> AddressBook() {
    AddressRecord anna = Person("Anna", "Berg", {1971, 4, 3}, "f");
    anna.Street = "Hauptstraße 1";
    anna.Zip = "53111";
    anna.City = "Bonn";
    anna.Country = "Deutschland";
    anna.Phone = "0228 1";
    anna.Fax = "0228 2";
    anna.Mobile = "0171 3";
    anna.Email = "anna@example.org";
    anna.Url = "https://anna.example.org/a,b;c";
    AddressRecord joerg = Person("Jörg", "Weiß, Jr.", {1965, 12, 31}, "m");
    joerg.Street = "Königin-Luise-Straße 123, Hinterhaus, 3. Etage";
    joerg.Zip = "14195";
    joerg.City = "Berlin-Dahlem (Steglitz-Zehlendorf)";
    joerg.Country = "Deutschland";
    return {
        anna,
        joerg,
        Person("Lea", "Sprung", {1988, 2, 29}, "f"),
        Person("Uma", "Unbekannt", {1604, 7, 14}, ""),
        Person("Zoe", "Schalttag", {1604, 2, 29}, "f"),
        Person("Ben", "Ohne", {2999, 1, 1}, "m"),
        Person("Anna", "Berg", {1971, 4, 3}, "f"),
        Person("Eva", "Nord;Süd, \\West €", {1999, 6, 30}, "w"),
        Person("Anne-Käthe Maximiliane Sophie", "Öttinger-Hohenzollern-Süßmilch", {1950, 10, 1},
               "f"),
    };
}

class GermanDates : public natalo::RegionalSettings {
  public:
    std::string ShortDateFormat() const override { return "dd.MM.yyyy"; }
    std::string DateSeparator() const override { return "."; }
    std::string AbbreviatedDayName(int) const override { return ""; }
    std::string MonthName(int) const override { return ""; }
    std::string AbbreviatedMonthName(int) const override { return ""; }
    std::string DayName(int) const override { return ""; }
    int CompareText(std::string_view a, std::string_view b) const override { return a.compare(b); }
};

bool WriteFile(const std::string& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary);
    file << content;
    return static_cast<bool>(file);
}

int Write(const std::string& folder) {
    const std::vector<AddressRecord> book = AddressBook();
    const natalo::UtcTime stamp{{2026, 12, 8}, 9, 5, 7};
    if (!WriteFile(folder + "/people.vcf", natalo::WriteVCards(book)) ||
        !WriteFile(folder + "/birthdays.ics", natalo::WriteBirthdayCalendar(book, stamp))) {
        std::fprintf(stderr, "cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

int Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    const natalo::VCardImport result =
        natalo::VCardToImportLines(bytes, natalo::Windows1252Converter(), GermanDates());
    std::fwrite(result.Text().data(), 1, result.Text().size(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode == "write")
        return Write(argv[2]);
    if (mode == "read")
        return Read(argv[2]);
    std::fprintf(stderr, "usage: exchange_files write FOLDER | read FILE\n");
    return 2;
}
