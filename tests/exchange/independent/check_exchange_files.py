"""Reads the vCard and iCalendar files that Natalo's writers make with parsers written by
others: Debian's python3-vobject and python3-icalendar (with python3-dateutil for the
yearly rules). Run with Debian's own /usr/bin/python3, which sees those packages.

It also writes a vCard file with vobject and reads it with Natalo's reader.

Usage: check_exchange_files.py TOOL FOLDER
TOOL is the exchange_files program; the address book it writes is known here independently.
Prints one closing line "N passed, N failed" and exits non-zero on any failure.
"""

import datetime
import os
import subprocess
import sys

import icalendar
import vobject
from dateutil import rrule

CRLF = b"\r\n"

# What the writer's address book must read as: (given, family, FN, BDAY or None,
# X-APPLE-OMIT-YEAR or None, gender or None).
PEOPLE = [
    ("Anna", "Berg", "Anna Berg", "1971-04-03", None, "Female"),
    ("Jörg", "Weiß, Jr.", "Jörg Weiß, Jr.", "1965-12-31", None, "Male"),
    ("Lea", "Sprung", "Lea Sprung", "1988-02-29", None, "Female"),
    ("Uma", "Unbekannt", "Uma Unbekannt", "1604-07-14", "1604", None),
    ("Zoe", "Schalttag", "Zoe Schalttag", "1604-02-29", "1604", "Female"),
    ("Ben", "Ohne", "Ben Ohne", None, None, "Male"),
    ("Anna", "Berg", "Anna Berg", "1971-04-03", None, "Female"),
    ("Eva", "Nord;Süd, \\West €", "Eva Nord;Süd, \\West €", "1999-06-30", None, "w"),
    ("Anne-Käthe Maximiliane Sophie", "Öttinger-Hohenzollern-Süßmilch",
     "Anne-Käthe Maximiliane Sophie Öttinger-Hohenzollern-Süßmilch", "1950-10-01", None, "Female"),
]

# Summary, first day, and the birthday's days in 2027 and 2028.
EVENTS = [
    ("Anna Berg (*1971)", datetime.date(1971, 4, 3), [(2027, 4, 3), (2028, 4, 3)]),
    ("Jörg Weiß, Jr. (*1965)", datetime.date(1965, 12, 31), [(2027, 12, 31), (2028, 12, 31)]),
    ("Lea Sprung (*1988)", datetime.date(1988, 2, 29), [(2027, 2, 28), (2028, 2, 29)]),
    ("Uma Unbekannt", datetime.date(2000, 7, 14), [(2027, 7, 14), (2028, 7, 14)]),
    ("Zoe Schalttag", datetime.date(2000, 2, 29), [(2027, 2, 28), (2028, 2, 29)]),
    ("Anna Berg (*1971)", datetime.date(1971, 4, 3), [(2027, 4, 3), (2028, 4, 3)]),
    ("Eva Nord;Süd, \\West € (*1999)", datetime.date(1999, 6, 30), [(2027, 6, 30), (2028, 6, 30)]),
    ("Anne-Käthe Maximiliane Sophie Öttinger-Hohenzollern-Süßmilch (*1950)", datetime.date(1950, 10, 1),
     [(2027, 10, 1), (2028, 10, 1)]),
]

failures = []
checks = 0


def check(condition, what):
    global checks
    checks += 1
    if not condition:
        failures.append(what)
        print("FAILED:", what)


def check_content_lines(data, name):
    lines = data.split(CRLF)
    check(lines[-1] == b"", f"{name} ends with CR LF")
    check(b"\n" not in data.replace(CRLF, b""), f"{name} has no bare line feeds")
    check(all(len(line) <= 75 for line in lines), f"{name} lines are at most 75 octets")
    check(any(line.startswith(b" ") for line in lines), f"{name} has folded lines")
    data.decode("utf-8")  # raises on anything but UTF-8


def check_vcards(path):
    data = open(path, "rb").read()
    check_content_lines(data, "people.vcf")
    cards = list(vobject.readComponents(data.decode("utf-8")))
    check(len(cards) == len(PEOPLE), f"{len(cards)} cards, expected {len(PEOPLE)}")
    for card, (given, family, fn, bday, omit, gender) in zip(cards, PEOPLE):
        who = f"card of {fn}"
        check(card.version.value == "3.0", f"{who}: VERSION")
        check(card.n.value.given == given, f"{who}: N given {card.n.value.given!r}")
        check(card.n.value.family == family, f"{who}: N family {card.n.value.family!r}")
        check(card.fn.value == fn, f"{who}: FN {card.fn.value!r}")
        got_bday = card.bday.value if "bday" in card.contents else None
        check(got_bday == bday, f"{who}: BDAY {got_bday!r}")
        if omit:
            check(card.bday.params.get("X-APPLE-OMIT-YEAR") == [omit], f"{who}: X-APPLE-OMIT-YEAR")
        got_gender = card.contents["x-gender"][0].value if "x-gender" in card.contents else None
        check(got_gender == gender, f"{who}: X-GENDER {got_gender!r}")

    anna = cards[0]
    adr = anna.adr.value
    check((adr.street, adr.city, adr.code, adr.country) == ("Hauptstraße 1", "Bonn", "53111", "Deutschland"),
          f"Anna's address {adr!r}")
    check(anna.adr.params.get("TYPE") == ["HOME"], "Anna's address is the home one")
    phones = {tuple(tel.params.get("TYPE", [])): tel.value for tel in anna.contents["tel"]}
    check(phones == {("HOME",): "0228 1", ("FAX",): "0228 2", ("CELL",): "0171 3"}, f"Anna's phones {phones}")
    check(anna.email.value == "anna@example.org", "Anna's e-mail")
    check(anna.url.value == "https://anna.example.org/a,b;c", f"Anna's URL {anna.url.value!r}")
    joerg = cards[1].adr.value
    check((joerg.street, joerg.city) == ("Königin-Luise-Straße 123, Hinterhaus, 3. Etage",
                                         "Berlin-Dahlem (Steglitz-Zehlendorf)"),
          f"Jörg's folded address {joerg!r}")


def check_calendar(path):
    data = open(path, "rb").read()
    check_content_lines(data, "birthdays.ics")
    calendar = icalendar.Calendar.from_ical(data)
    check(str(calendar["VERSION"]) == "2.0", "VERSION:2.0")
    check("PRODID" in calendar, "PRODID")
    events = list(calendar.walk("VEVENT"))
    check(len(events) == len(EVENTS), f"{len(events)} events, expected {len(EVENTS)}")
    uids = [str(event["UID"]) for event in events]
    check(len(set(uids)) == len(uids), f"UIDs are unique: {uids}")
    for event, (summary, start, days) in zip(events, EVENTS):
        who = f"event {summary}"
        check(str(event["SUMMARY"]) == summary, f"{who}: SUMMARY {str(event['SUMMARY'])!r}")
        first = event.decoded("DTSTART")
        check(type(first) is datetime.date and first == start, f"{who}: DTSTART {first!r}")
        check(event.decoded("DTEND") == start + datetime.timedelta(days=1), f"{who}: DTEND")
        check(event.decoded("DTSTAMP") == datetime.datetime(2026, 12, 8, 9, 5, 7, tzinfo=datetime.timezone.utc),
              f"{who}: DTSTAMP {event.decoded('DTSTAMP')!r}")
        check(str(event["TRANSP"]) == "TRANSPARENT", f"{who}: TRANSP")
        categories = event["CATEGORIES"]
        check([str(c) for c in categories.cats] == ["Birthday"], f"{who}: CATEGORIES")
        rule = rrule.rrulestr(event["RRULE"].to_ical().decode(),
                              dtstart=datetime.datetime.combine(start, datetime.time()))
        found = [d.date() for d in rule.between(datetime.datetime(2027, 1, 1),
                                                 datetime.datetime(2028, 12, 31, 23, 59), inc=True)]
        check(found == [datetime.date(*day) for day in days], f"{who}: 2027 and 2028 give {found}")


def vobject_card(given, family, bday=None, phones=(), address=None, email=None, url=None):
    card = vobject.vCard()
    card.add("n").value = vobject.vcard.Name(family=family, given=given)
    card.add("fn").value = f"{given} {family}"
    if bday:
        card.add("bday").value = bday
    for number, kind in phones:
        tel = card.add("tel")
        tel.value = number
        tel.type_param = kind
    if address:
        adr = card.add("adr")
        adr.value = vobject.vcard.Address(**address)
        adr.type_param = "HOME"
    if email:
        card.add("email").value = email
    if url:
        card.add("url").value = url
    return card.serialize()


def check_reader(tool, folder):
    """vCards as vobject writes them (escaped, folded) become the expected import lines."""
    path = os.path.join(folder, "from-vobject.vcf")
    cards = [
        vobject_card("Jörg", "Weiß; Jr.", "1965-12-31", [("+49 171 1", "CELL"), ("0228 1", "HOME"), ("0228 2", "FAX")],
                     dict(street="Königin-Luise-Straße 123, Hinterhaus, 3. Etage links", city="Berlin",
                          code="14195", country="Deutschland"),
                     "joerg@example.org", "https://joerg.example.org/a,b"),
        vobject_card("Lea", "Sprung", "--0229"),
        vobject_card("Anne-Käthe Maximiliane Sophie", "Öttinger-Hohenzollern-Süßmilch", "1950-10-01"),
    ]
    with open(path, "w", encoding="utf-8", newline="") as file:
        file.write("".join(cards))
    output = subprocess.run([tool, "read", path], check=True, capture_output=True).stdout.decode("cp1252")
    expected = [
        "Jörg;Weiß, Jr.;31.12.1965;;Königin-Luise-Straße 123, Hinterhaus, 3. Etage lin;14195;Berlin;"
        "Deutschland;0228 1;0228 2;+49 171 1;joerg@example.org;https://joerg.example.org/a,b;",
        "Lea;Sprung;29.02.1604;;;;;;;;;;;",
        "Anne-Käthe Maximiliane Sophie;Öttinger-Hohenzollern-Süßmilch;01.10.1950;;;;;;;;;;;",
    ]
    got = output.split("\r\n")
    check(got[-1] == "", "the reader ends every line with CR LF")
    for line, want in zip(got, expected):
        check(line == want, f"vobject's card read as {line!r}, expected {want!r}")
    check(len(got) - 1 == len(expected), f"{len(got) - 1} lines from {len(expected)} vobject cards")


def main():
    tool, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    for name in ("people.vcf", "birthdays.ics"):
        if os.path.exists(os.path.join(folder, name)):
            os.remove(os.path.join(folder, name))
    subprocess.run([tool, "write", folder], check=True)
    check_vcards(os.path.join(folder, "people.vcf"))
    check_calendar(os.path.join(folder, "birthdays.ics"))
    check_reader(tool, folder)
    print(f"{checks - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
