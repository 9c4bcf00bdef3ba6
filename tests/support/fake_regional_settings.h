// Fixed regional settings for tests: a chosen short date format, English names and a
// comparison close to lstrcmpA's for ASCII (case-insensitive first, lower case first as
// the tie-break).
#pragma once

#include <array>
#include <string>

#include "platform/regional_settings.h"

namespace natalo::testing {

class FakeRegionalSettings : public RegionalSettings {
  public:
    explicit FakeRegionalSettings(std::string shortDate = "M/d/yyyy", std::string separator = "/")
        : shortDate_(std::move(shortDate)), separator_(std::move(separator)) {}

    void SetShortDateFormat(std::string format, std::string separator) {
        shortDate_ = std::move(format);
        separator_ = std::move(separator);
    }

    std::string ShortDateFormat() const override { return shortDate_; }
    std::string DateSeparator() const override { return separator_; }
    std::string AbbreviatedDayName(int d) const override { return kDays[d].substr(0, 3); }
    std::string DayName(int d) const override { return kDays[d]; }
    std::string AbbreviatedMonthName(int m) const override { return kMonths[m - 1].substr(0, 3); }
    std::string MonthName(int m) const override { return kMonths[m - 1]; }
    int CompareText(std::string_view a, std::string_view b) const override;
    // The letters lower-cased, then the case of each (lower first): CompareText's order.
    std::optional<std::string> SortKey(std::string_view text) const override {
        if (!sortKeys)
            return std::nullopt;
        std::string key;
        for (char c : text)
            key += static_cast<char>(Lower(static_cast<unsigned char>(c)));
        key += '\0';
        for (char c : text)
            key += static_cast<char>(255 - static_cast<unsigned char>(c));
        return key;
    }
    // Without keys, sorting must fall back to CompareText.
    bool sortKeys = true;

  private:
    static int Lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }

    static inline const std::array<std::string, 7> kDays{
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    static inline const std::array<std::string, 12> kMonths{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    std::string shortDate_;
    std::string separator_;
};

inline int FakeRegionalSettings::CompareText(std::string_view a, std::string_view b) const {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int x = Lower(static_cast<unsigned char>(a[i]));
        const int y = Lower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    // Same letters: lower case sorts first, as in the linguistic order.
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return a[i] > b[i] ? -1 : 1;
    }
    return 0;
}

}  // namespace natalo::testing
