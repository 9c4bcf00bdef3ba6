#include "app/demo_people.h"

#include <array>
#include <string>

namespace natalo {
namespace {

struct DemoPerson {
    const char* first;
    const char* last;
    const char* gender;
    const char* street;
    const char* zip;
    const char* city;
    const char* country;
    const char* phone;
    const char* mobile;
    const char* email;
    int birthYear;
    int daysFromToday;  // the birthday's day this year, relative to today (ignored with a fixed
                        // date)
    int fixedMonth = 0;
    int fixedDay = 0;
};

// clang-format off
constexpr std::array kPeople{
    DemoPerson{"Anna", "Berg", "f", "Lindenweg 4", "10115", "Berlin", "Germany", "030 2291874", "0171 5550123", "anna.berg@example.org", 1990, 0},
    DemoPerson{"Jürgen", "Müller", "m", "Hauptstraße 12", "80331", "München", "Germany", "089 445566", "", "juergen@example.de", 1961, 0},
    DemoPerson{"Bärbel", "Schröder", "f", "Am Markt 1", "20095", "Hamburg", "Germany", "040 123987", "0160 7788990", "", 1952, 1},
    DemoPerson{"Tom", "Baker", "m", "12 High Street", "OX1 2JD", "Oxford", "United Kingdom", "01865 200300", "07700 900123", "tom.baker@example.co.uk", 1984, 2},
    DemoPerson{"Sören", "Weiß", "m", "Kirchgasse 7", "8001", "Zürich", "Switzerland", "044 2113344", "", "soeren.weiss@example.ch", 1975, 4},
    DemoPerson{"Marie", "Dubois", "f", "3 rue des Lilas", "69002", "Lyon", "France", "04 78 12 34 56", "06 12 34 56 78", "marie.dubois@example.fr", 1999, 6},
    DemoPerson{"Lukas", "Hofer", "m", "Getreidegasse 9", "5020", "Salzburg", "Austria", "0662 842211", "0664 1234567", "lukas@example.at", 2016, 9},
    DemoPerson{"Greta", "Jansen", "f", "Prinsengracht 263", "1016 GV", "Amsterdam", "Netherlands", "020 5556677", "", "", 1948, 13},
    DemoPerson{"Paul", "Novak", "m", "Vodickova 20", "110 00", "Praha", "Czech Republic", "", "", "paul.novak@example.cz", 1979, 20},
    DemoPerson{"Emma", "Lindqvist", "f", "Storgatan 5", "111 51", "Stockholm", "Sweden", "08 123 456", "070 1234567", "emma@example.se", 1993, -1},
    DemoPerson{"Klaus", "Öztürk", "m", "Ringstraße 30", "50667", "Köln", "Germany", "0221 998877", "0152 3344556", "klaus.oeztuerk@example.de", 1970, -3},
    DemoPerson{"Ingrid", "Ås", "f", "Karl Johans gate 2", "0154", "Oslo", "Norway", "22 33 44 55", "", "", 1957, -8},
    DemoPerson{"Leap", "Day", "m", "29 February Lane", "02290", "Boston", "USA", "617 555 0229", "617 555 0230", "leap.day@example.com", 1988, 0, 2, 29},
    DemoPerson{"Sophie", "Keller", "f", "Bahnhofstraße 3", "70173", "Stuttgart", "Germany", "0711 556677", "0176 9988776", "sophie.keller@example.de", 2001, 0, 1, 14},
    DemoPerson{"Max", "Schulz", "m", "Gartenweg 8", "04109", "Leipzig", "Germany", "0341 223344", "", "max.schulz@example.de", 1966, 0, 3, 3},
    DemoPerson{"Chloé", "Martin", "f", "8 avenue Foch", "75016", "Paris", "France", "01 45 67 89 10", "06 98 76 54 32", "chloe.martin@example.fr", 1987, 0, 3, 27},
    DemoPerson{"Henrik", "Larsen", "m", "Nyhavn 17", "1051", "København", "Denmark", "33 12 34 56", "20 12 34 56", "", 1972, 0, 4, 9},
    DemoPerson{"Lena", "Wagner", "f", "Schillerplatz 2", "01067", "Dresden", "Germany", "0351 889900", "0151 2233445", "lena.wagner@example.de", 1995, 0, 4, 30},
    DemoPerson{"Giulia", "Rossi", "f", "Via Roma 10", "00184", "Roma", "Italy", "06 1234567", "333 1234567", "giulia.rossi@example.it", 1980, 0, 5, 18},
    DemoPerson{"Mateo", "García", "m", "Calle Mayor 5", "28013", "Madrid", "Spain", "91 123 45 67", "", "mateo.garcia@example.es", 2010, 0, 6, 2},
    DemoPerson{"Frieda", "Böhm", "f", "Domplatz 6", "93047", "Regensburg", "Germany", "0941 556600", "", "", 1939, 0, 6, 21},
    DemoPerson{"Oliver", "Smith", "m", "221 Baker Street", "NW1 6XE", "London", "United Kingdom", "020 7946 0018", "07700 900456", "oliver.smith@example.co.uk", 1977, 0, 7, 11},
    DemoPerson{"Hanna", "Koch", "f", "Lessingstraße 14", "60325", "Frankfurt", "Germany", "069 774411", "0172 6655443", "hanna.koch@example.de", 1968, 0, 7, 29},
    DemoPerson{"Ben", "Fischer", "m", "Uferweg 2", "24103", "Kiel", "Germany", "", "0157 1122334", "ben.fischer@example.de", 2005, 0, 8, 16},
    DemoPerson{"Ava", "Johnson", "f", "500 Pine Street", "98101", "Seattle", "USA", "206 555 0147", "206 555 0148", "ava.johnson@example.com", 1991, 0, 9, 5},
    DemoPerson{"Jonas", "Becker", "m", "Marienplatz 1", "80331", "München", "Germany", "089 123123", "", "jonas.becker@example.de", 1983, 0, 9, 24},
    DemoPerson{"Mia", "Huber", "f", "Alpenstraße 4", "6020", "Innsbruck", "Austria", "0512 345678", "0699 1234567", "", 2012, 0, 10, 12},
    DemoPerson{"Noah", "Weber", "m", "Rheinufer 9", "53111", "Bonn", "Germany", "0228 667788", "0162 4455667", "noah.weber@example.de", 1998, 0, 10, 31},
    DemoPerson{"Elif", "Demir", "f", "Kantstraße 55", "10627", "Berlin", "Germany", "030 3123456", "0177 8899001", "elif.demir@example.de", 1986, 0, 11, 19},
    DemoPerson{"Karl", "Zimmermann", "m", "Waldweg 21", "34117", "Kassel", "Germany", "0561 102030", "", "", 1945, 0, 12, 24},
};
// clang-format on

CivilDate AddDays(const CivilDate& date, int days) {
    return *DateFromValue(DateValue(date) + days);
}

}  // namespace

std::vector<AddressRecord> DemoPeople(const CivilDate& today) {
    std::vector<AddressRecord> people;
    for (const DemoPerson& p : kPeople) {
        CivilDate birthday;
        if (p.fixedMonth != 0) {
            birthday = {p.birthYear, p.fixedMonth, p.fixedDay};
        } else {
            const CivilDate thisYear = AddDays(today, p.daysFromToday);
            birthday = {p.birthYear, thisYear.month, thisYear.day};
            // Someone born on 29 February must be born in a leap year.
            while (!IsValidCivilDate(birthday))
                --birthday.year;
        }
        AddressRecord r;
        r.FirstName = p.first;
        r.LastName = p.last;
        r.Gender = p.gender;
        r.Street = p.street;
        r.Zip = p.zip;
        r.City = p.city;
        r.Country = p.country;
        r.Phone = p.phone;
        r.Mobile = p.mobile;
        r.Email = p.email;
        r.Birthday = DateValue(birthday);
        people.push_back(std::move(r));
    }
    return people;
}

}  // namespace natalo
