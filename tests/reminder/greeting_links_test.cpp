#include "reminder/greeting_links.h"

#include <gtest/gtest.h>

#include "reminder/installation_id.h"
#include "support/records.h"

namespace natalo {
namespace {

using testing::Person;

const std::string kService = "http://greetings.natalo.example/zozerodivodurorudu/showall.php";

// Anna Muster, born 15 March 1980, with these contacts.
AddressRecord WithContacts(std::string email, std::string mobile) {
    return testing::WithContacts(Person("Anna", "Muster", {1980, 3, 15}, "f"), std::move(email),
                                 std::move(mobile));
}

TEST(GiftUrl, CarriesIdGenderAgeAndFirstName) {
    EXPECT_EQ(GiftUrl(Person("Anna", "Muster", {1980, 3, 15}, "f"), 42, "0A1B2C3D"),
              kService + "?id=0A1B2C3D&lang=en&v=2.0&h=gt&g=f&a=42&n=Anna");
    // No volume serial: "id=" with nothing after it. Ages of 0 and below go in as they are.
    EXPECT_EQ(GiftUrl(Person("Bert", "", {1980, 3, 15}, ""), -1, ""),
              kService + "?id=&lang=en&v=2.0&h=gt&g=&a=-1&n=Bert");
}

TEST(GiftUrl, EncodesFirstNamesSoTheyCannotBreakTheQuery) {
    const auto url = [](std::string firstName) {
        return GiftUrl(Person(std::move(firstName)), 7, "ID");
    };
    EXPECT_EQ(url("Anna Lena"), kService + "?id=ID&lang=en&v=2.0&h=gt&g=f&a=7&n=Anna%20Lena");
    EXPECT_EQ(url("Jörg"), kService + "?id=ID&lang=en&v=2.0&h=gt&g=f&a=7&n=J%C3%B6rg");
    EXPECT_EQ(url("Tom&a=99#"), kService + "?id=ID&lang=en&v=2.0&h=gt&g=f&a=7&n=Tom%26a%3D99%23");
}

TEST(InstallationIdText, IsEightUpperCaseHexDigitsOrEmpty) {
    EXPECT_EQ(InstallationIdText(0x0A1B2C3Du), "0A1B2C3D");
    EXPECT_EQ(InstallationIdText(0xFFFFFFFFu), "FFFFFFFF");
    EXPECT_EQ(InstallationIdText(0x2Au), "0000002A");
    EXPECT_EQ(InstallationIdText(std::nullopt), "");
}

TEST(GreetingUrl, HasTheFormOfItsPass) {
    const AddressRecord person = WithContacts("anna@example.com", "+49 170 1234");
    EXPECT_EQ(
        GreetingUrl(person, SchedulePass::ThisYear, "0A1B2C3D"),
        kService + "?lang=en&v=1.0.1&h=automat&email=anna%40example.com&sms=%2B49%20170%201234");
    EXPECT_EQ(GreetingUrl(person, SchedulePass::NextYear, "0A1B2C3D"),
              kService +
                  "?id=0A1B2C3D&lang=en&v=2.0&h=automat&email=anna%40example.com"
                  "&sms=%2B49%20170%201234");
    // A mobile number without e-mail address: "&email=" directly followed by "&sms=".
    EXPECT_EQ(GreetingUrl(WithContacts("", "0170"), SchedulePass::NextYear, ""),
              kService + "?id=&lang=en&v=2.0&h=automat&email=&sms=0170");
}

TEST(MailUrl, EncodesAllButTheAtSign) {
    EXPECT_EQ(MailUrl("anna@example.com"), "mailto:anna@example.com");
    EXPECT_EQ(MailUrl("a@b.de?subject=x"), "mailto:a@b.de%3Fsubject%3Dx");
}

TEST(MakeLinkRow, PlacesThreeLinksBelowTheName) {
    const LinkRow row = MakeLinkRow(WithContacts("a@b.de", ""), SchedulePass::ThisYear, 4, 63);
    EXPECT_EQ(row.gift.left, 190);
    EXPECT_EQ(row.mail.left, 265);
    EXPECT_EQ(row.greeting.left, 290);
    for (const LinkLabel* label : {&row.gift, &row.mail, &row.greeting})
        EXPECT_EQ(label->top, 80);
    EXPECT_EQ(row.gift.caption, "Search a present");
    EXPECT_EQ(row.mail.caption, "email");
    EXPECT_EQ(row.mailUrl, "mailto:a@b.de");
    EXPECT_EQ(row.gift.tag, 4);
    EXPECT_EQ(row.greeting.tag, 4);
    EXPECT_EQ(row.mail.tag, 0);
}

TEST(MakeLinkRow, CaptionsAndTooltipsFollowThePass) {
    const AddressRecord reachable = WithContacts("a@b.de", "0170");
    const LinkRow thisYear = MakeLinkRow(reachable, SchedulePass::ThisYear, 2, 63);
    EXPECT_EQ(thisYear.greeting.caption, "automate");
    EXPECT_EQ(thisYear.gift.tooltip,
              "Klicken Sie hier und Sie erhalten\rGeschenkideen und Geschenketipps!");
    const LinkRow nextYear = MakeLinkRow(reachable, SchedulePass::NextYear, 2, 63);
    EXPECT_EQ(nextYear.greeting.caption, "Automat");
    EXPECT_EQ(nextYear.gift.caption, "Search a present");
    EXPECT_EQ(nextYear.gift.tooltip, "Click here to find\rpresents online!");
    // Enabled mail and greeting links show no tooltip.
    for (const LinkRow* row : {&thisYear, &nextYear}) {
        EXPECT_TRUE(row->mail.enabled && row->greeting.enabled);
        EXPECT_EQ(row->mail.tooltip, "");
        EXPECT_EQ(row->greeting.tooltip, "");
    }
}

TEST(MakeLinkRow, DisablesWhatThePersonCannotBeReachedBy) {
    const LinkRow mobileOnly = MakeLinkRow(WithContacts("", "0170"), SchedulePass::ThisYear, 6, 0);
    EXPECT_FALSE(mobileOnly.mail.enabled);
    EXPECT_EQ(mobileOnly.mail.tooltip, "Add an emailaddress\rand send easily\rbirthday greatings!");
    EXPECT_TRUE(mobileOnly.greeting.enabled);
    EXPECT_EQ(mobileOnly.greeting.tag, 6);

    const LinkRow neither = MakeLinkRow(WithContacts("", ""), SchedulePass::NextYear, 6, 0);
    EXPECT_TRUE(neither.gift.enabled);
    EXPECT_EQ(neither.gift.tag, 6);
    EXPECT_FALSE(neither.mail.enabled);
    EXPECT_EQ(neither.mail.tooltip, "Add a emailaddress\rand send easily\rbirthday greatings!");
    EXPECT_FALSE(neither.greeting.enabled);
    EXPECT_EQ(neither.greeting.tag, 0);
    EXPECT_EQ(neither.greeting.tooltip,
              "Add a emailaddress\rand send automatically\rbirthday greatings!");
    EXPECT_EQ(MakeLinkRow(WithContacts("", ""), SchedulePass::ThisYear, 6, 0).greeting.tooltip,
              "Add an emailaddress\rand send automatically\rbirthday greatings!");
}

TEST(LinkTable, KeepsUrlsInSlotsThreeAndFiveOfIndexesOneToFifty) {
    LinkTable table;
    table.Store({1, "gift-1", "greet-1"});
    table.Store({50, "gift-50", "greet-50"});
    table.Store({51, "ignored", "ignored"});
    table.Store({0, "ignored", "ignored"});
    ASSERT_NE(table.Find(1), nullptr);
    EXPECT_EQ(table.Find(1)->slots[2], "gift-1");
    EXPECT_EQ(table.Find(1)->slots[4], "greet-1");
    EXPECT_EQ(table.Find(1)->slots[0], "");
    EXPECT_EQ(table.Find(50)->GiftUrl(), "gift-50");
    EXPECT_EQ(table.Find(50)->GreetingUrl(), "greet-50");
    EXPECT_EQ(table.Find(0), nullptr);
    EXPECT_EQ(table.Find(51), nullptr);
    // A later build overwrites what it places and leaves the rest.
    table.Store({1, "gift-new", "greet-new"});
    EXPECT_EQ(table.Find(1)->GiftUrl(), "gift-new");
    EXPECT_EQ(table.Find(50)->GiftUrl(), "gift-50");
}

}  // namespace
}  // namespace natalo
