#include "reminder/greeting_links.h"

#include "reminder/natalo_addresses.h"
#include "reminder/url_encoding.h"

namespace natalo {
namespace {

// Offsets of the link row from the name label it belongs to.
constexpr int kLinkRowBelowName = 17;
constexpr int kGiftLinkLeft = 190;
constexpr int kMailLinkLeft = 265;
constexpr int kGreetingLinkLeft = 290;

std::string ServiceUrl(std::string_view query) {
    std::string url = "http://";
    url += kGreetingServiceHost;
    url += kGreetingServicePath;
    url += query;
    return url;
}

struct PassTexts {
    const char* greetingCaption;
    const char* giftTooltip;
    const char* mailDisabledTooltip;
    const char* greetingDisabledTooltip;
};

const PassTexts& TextsOf(SchedulePass pass) {
    static const PassTexts kThisYear{
        "automate", "Klicken Sie hier und Sie erhalten\rGeschenkideen und Geschenketipps!",
        "Add an emailaddress\rand send easily\rbirthday greatings!",
        "Add an emailaddress\rand send automatically\rbirthday greatings!"};
    static const PassTexts kNextYear{
        "Automat", "Click here to find\rpresents online!",
        "Add a emailaddress\rand send easily\rbirthday greatings!",
        "Add a emailaddress\rand send automatically\rbirthday greatings!"};
    return pass == SchedulePass::ThisYear ? kThisYear : kNextYear;
}

}  // namespace

std::string GiftUrl(const AddressRecord& person, int age, std::string_view installationId) {
    return ServiceUrl("?id=" + PercentEncodeQueryValue(installationId) +
                      "&lang=en&v=2.0&h=gt&g=" + PercentEncodeQueryValue(person.Gender) +
                      "&a=" + PercentEncodeQueryValue(std::to_string(age)) +
                      "&n=" + PercentEncodeQueryValue(person.FirstName));
}

std::string GreetingUrl(const AddressRecord& person, SchedulePass pass,
                        std::string_view installationId) {
    const std::string contacts =
        PercentEncodeQueryValue(person.Email) + "&sms=" + PercentEncodeQueryValue(person.Mobile);
    if (pass == SchedulePass::ThisYear) {
        return ServiceUrl("?lang=en&v=1.0.1&h=automat&email=" + contacts);
    }
    return ServiceUrl("?id=" + PercentEncodeQueryValue(installationId) +
                      "&lang=en&v=2.0&h=automat&email=" + contacts);
}

std::string MailUrl(std::string_view email) {
    return "mailto:" + PercentEncodeMailAddress(email);
}

LinkRow MakeLinkRow(const AddressRecord& person, SchedulePass pass, int linkIndex, int nameTop) {
    const PassTexts& texts = TextsOf(pass);
    const int top = nameTop + kLinkRowBelowName;
    LinkRow row;

    row.gift = {kGiftLinkLeft, top, "Search a present", texts.giftTooltip, true, linkIndex};

    const bool hasEmail = !person.Email.empty();
    row.mail = {kMailLinkLeft, top, "email", hasEmail ? "" : texts.mailDisabledTooltip,
                hasEmail,      0};
    row.mailUrl = MailUrl(person.Email);

    const bool canGreet = hasEmail || !person.Mobile.empty();
    row.greeting = {kGreetingLinkLeft,
                    top,
                    texts.greetingCaption,
                    canGreet ? "" : texts.greetingDisabledTooltip,
                    canGreet,
                    canGreet ? linkIndex : 0};
    return row;
}

void LinkTable::Store(const LinkTableEntry& entry) {
    if (entry.index < 1 || entry.index > kSize)
        return;
    LinkRecord& record = records_[static_cast<std::size_t>(entry.index - 1)];
    record.slots[2] = entry.giftUrl;
    record.slots[4] = entry.greetingUrl;
}

const LinkRecord* LinkTable::Find(int index) const {
    if (index < 1 || index > kSize)
        return nullptr;
    return &records_[static_cast<std::size_t>(index - 1)];
}

}  // namespace natalo
