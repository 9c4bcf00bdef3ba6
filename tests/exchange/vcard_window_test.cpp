// vCard and iCalendar through the windows as a user meets them: a .vcf file opened in the
// import dialog and imported, and the address book exported from the Data menu.
#include <gtest/gtest.h>
#include <windows.h>

#include "exchange/exchange_window_fixture.h"

namespace natalo {
namespace {

using testing::Person;
using testing::ReadWholeFile;
using testing::WriteWholeFile;

class VCardWindowTest : public testing::ExchangeWindowTest {
  protected:
    void Choose(int command) {
        ::SendMessageA(input->Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
    std::string DataMenuItem(int position) const {
        char caption[128] = {};
        ::GetMenuStringA(::GetSubMenu(input->Menu().Handle(), 0), static_cast<UINT>(position),
                         caption, sizeof caption, MF_BYPOSITION);
        return caption;
    }
};

TEST_F(VCardWindowTest, AVCardFileBecomesLinesToCheckAndImportsAsAList) {
    Start();
    // Named .txt on purpose: the first line tells a vCard file, not its name.
    chosenFile = folder.File("contacts.txt");
    WriteWholeFile(*chosenFile,
                   "\r\nbegin:vcard\r\nVERSION:3.0\r\nN:M\xC3\xBCller;J\xC3\xBCrgen;;;\r\n"
                   "BDAY:1971-04-03\r\nTEL;TYPE=CELL:0171 1\r\nEND:VCARD\r\n"
                   "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ida Nobirth\r\nEND:VCARD\r\n"
                   // Ayşe Öztürk; Łukasz Dvořák of 東京.
                   "BEGIN:VCARD\r\nN:\xC3\x96zt\xC3\xBCrk;Ay\xC5\x9F"
                   "e\r\nBDAY:19900102\r\n"
                   "END:VCARD\r\nBEGIN:VCARD\r\nFN:\xC5\x81ukasz Dvo\xC5\x99\xC3\xA1k\r\n"
                   "ADR:;;;\xE6\x9D\xB1\xE4\xBA\xAC;;;\r\nBDAY:19900103\r\nEND:VCARD\r\n");
    dialog->cmdOpenFile().Click();
    EXPECT_EQ(dialog->Import().Text(),
              "Jürgen;Müller;03.04.1971;;;;;;;;0171 1;;;\r\nIda;Nobirth;;;;;;;;;;;;\r\n"
              "Ayse;Öztürk;02.01.1990;;;;;;;;;;;\r\nLukasz;Dvorák;03.01.1990;;;;??;;;;;;;\r\n");
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "4 cards read, 1 of them without a birthday (Import saves them with 01.01.2999).\r\n"
              "2 characters that the address book cannot hold became \"?\".");

    ImportThroughCommand(std::nullopt);
    EXPECT_EQ(FirstNamesOnDisk(), (std::vector<std::string>{"Jürgen", "Ida", "Ayse", "Lukasz"}));
    EXPECT_EQ(RecordOnDisk(0).Mobile, "0171 1");
    EXPECT_EQ(RecordOnDisk(1).Birthday, DateValue({2999, 1, 1}));
    EXPECT_TRUE(errors_.empty());
}

TEST_F(VCardWindowTest, DataMenuExportsVCardsAndTheBirthdayCalendar) {
    AddressRecord anna = Person("Anna", "Berg", {1971, 4, 3}, "f");
    anna.City = "Bonn";
    Start({anna, Person("Leo", "Leap", {1604, 2, 29}, "m")});
    const std::vector<std::string> captions{DataMenuItem(1), DataMenuItem(2), DataMenuItem(3)};
    EXPECT_EQ(captions, (std::vector<std::string>{"&Export", "Export as &vCard ...",
                                                  "Export birthdays as i&Calendar ..."}));

    chosenFile = folder.File("natalo.vcf");
    Choose(input->ExportVCardCommand());
    const std::string cards = ReadWholeFile(*chosenFile);
    EXPECT_EQ(cards.rfind("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Berg;Anna;;;\r\n", 0), 0u) << cards;
    EXPECT_NE(cards.find("BDAY;X-APPLE-OMIT-YEAR=1604:1604-02-29\r\n"), std::string::npos);

    chosenFile = folder.File("birthdays.ics");
    Choose(input->ExportCalendarCommand());
    const std::string calendar = ReadWholeFile(*chosenFile);
    EXPECT_NE(calendar.find("SUMMARY:Anna Berg (*1971)\r\n"), std::string::npos) << calendar;
    EXPECT_NE(calendar.find("RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\r\n"), std::string::npos);
    // The fixed clock's moment, not the machine's.
    EXPECT_NE(calendar.find("DTSTAMP:20261220T120000Z\r\n"), std::string::npos);
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"Daten gespeichert!", "Daten gespeichert!"}));
    EXPECT_TRUE(errors_.empty());
}

TEST_F(VCardWindowTest, AnExportOfADamagedAddressBookWritesNothingAndSaysWhy) {
    // A partial record behind the whole one, as a crash or another program may leave it.
    StartWithBytes(testing::FileTextOf({Person("Anna", "Berg", {1971, 4, 3})}) +
                   std::string(100, 'x'));
    for (const int command : {input->ExportVCardCommand(), input->ExportCalendarCommand()}) {
        errors_.clear();
        chosenFile = folder.File("export-" + std::to_string(command));
        Choose(command);
        EXPECT_EQ(::GetFileAttributesA(chosenFile->c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(errors_, (std::vector<std::string>{"Versuch hinter dem Dateiende zu lesen."}));
    }
    EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
}  // namespace natalo
