// The row of gift, mail and greeting links under each name of the coming birthdays, the
// greeting-service URLs behind them and the program-wide link table that the gift and
// greeting links look their URL up in.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "addressbook/address_record.h"

namespace natalo {

// The first pass lists birthdays from today to the end of the year, the second those of
// next year up to yesterday's date; captions, tooltips and URLs differ between them.
enum class SchedulePass { ThisYear, NextYear };

struct LinkLabel {
    int left = 0;
    int top = 0;
    std::string caption;
    std::string tooltip;  // empty: no tooltip
    bool enabled = true;
    int tag = 0;  // the link index for the gift and an enabled greeting link, else 0
    friend bool operator==(const LinkLabel&, const LinkLabel&) = default;
};

struct LinkRow {
    LinkLabel gift;
    LinkLabel mail;
    LinkLabel greeting;
    std::string mailUrl;  // "mailto:" and the address, opened by the shell
    friend bool operator==(const LinkRow&, const LinkRow&) = default;
};

// What one placed person leaves in the link table.
struct LinkTableEntry {
    int index = 0;
    std::string giftUrl;
    std::string greetingUrl;
    friend bool operator==(const LinkTableEntry&, const LinkTableEntry&) = default;
};

// The installation id is the system drive's volume serial as eight upper-case hex digits,
// or empty text when the system cannot tell it.
std::string GiftUrl(const AddressRecord& person, int age, std::string_view installationId);
std::string GreetingUrl(const AddressRecord& person, SchedulePass pass,
                        std::string_view installationId);
std::string MailUrl(std::string_view email);

// The link row of a name whose label sits at nameTop.
LinkRow MakeLinkRow(const AddressRecord& person, SchedulePass pass, int linkIndex, int nameTop);

// Five text slots per entry; only slot 3 (gift URL) and slot 5 (greeting URL) are used.
struct LinkRecord {
    std::array<std::string, 5> slots;
    const std::string& GiftUrl() const { return slots[2]; }
    const std::string& GreetingUrl() const { return slots[4]; }
};

// Indexed 1 to 50. Each schedule build overwrites the entries it places; entries above its
// highest index keep what earlier builds left there.
class LinkTable {
  public:
    static constexpr int kSize = 50;

    // An index outside 1..50 is ignored: the layout limit keeps real indexes far below.
    void Store(const LinkTableEntry& entry);
    // Nothing for an index outside 1..50 (a label without a tag).
    const LinkRecord* Find(int index) const;

  private:
    std::array<LinkRecord, kSize> records_;
};

}  // namespace natalo
