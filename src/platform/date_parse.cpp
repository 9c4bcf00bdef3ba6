#include "platform/date_parse.h"

#include <array>

namespace natalo {
namespace {

bool IsPictureLetter(char c) {
    return c == 'd' || c == 'M' || c == 'y' || c == 'g';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The separator as the settings give it; when they give none (or only blanks), the first
// literal character between the fields of the picture.
std::string SeparatorOf(const RegionalSettings& settings) {
    const std::string given = settings.DateSeparator();
    if (const std::string_view trimmed = TrimBlanks(given); !trimmed.empty()) {
        return std::string(trimmed);
    }
    const std::string picture = settings.ShortDateFormat();
    bool seenField = false;
    for (const char c : picture) {
        if (IsPictureLetter(c)) {
            seenField = true;
        } else if (seenField && c != ' ' && c != '\'') {
            return std::string(1, c);
        }
    }
    return "/";
}

// Digits at most four, so that no number can overflow and "19710" is not a year.
constexpr std::size_t kMaxDigits = 4;

class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }

    // A number with its digit count, after any blanks.
    bool Number(int& value, std::size_t& digits) {
        SkipBlanks();
        value = 0;
        digits = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            if (++digits > kMaxDigits)
                return false;
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        return digits > 0;
    }

    // The separator, after any blanks.
    bool Separator(std::string_view separator) {
        SkipBlanks();
        if (text_.substr(pos_, separator.size()) != separator)
            return false;
        pos_ += separator.size();
        return true;
    }

    bool AtEnd() {
        SkipBlanks();
        return pos_ == text_.size();
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

int FullYear(int year, std::size_t digits, int todayYear) {
    if (digits > 2)
        return year;
    int full = todayYear / 100 * 100 + year;
    if (full > todayYear)
        full -= 100;
    return full;
}

}  // namespace

DateOrder DateOrderOfPicture(std::string_view picture) {
    bool quoted = false;
    for (const char c : picture) {
        if (c == '\'') {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == 'd')
                return DateOrder::kDayMonthYear;
            if (c == 'M')
                return DateOrder::kMonthDayYear;
            if (c == 'y')
                return DateOrder::kYearMonthDay;
        }
    }
    return DateOrder::kMonthDayYear;
}

ShortDateParser::ShortDateParser(const RegionalSettings& settings, const CivilDate& today)
    : order_(DateOrderOfPicture(settings.ShortDateFormat())),
      separator_(SeparatorOf(settings)),
      today_(today) {}

std::optional<CivilDate> ShortDateParser::Parse(std::string_view text) const {
    Scanner scan(text);
    std::array<int, 3> number{};
    std::array<std::size_t, 3> digits{};
    if (!scan.Number(number[0], digits[0]) || !scan.Separator(separator_) ||
        !scan.Number(number[1], digits[1])) {
        return std::nullopt;
    }
    CivilDate date;
    if (scan.AtEnd()) {
        // Day and month only: the year is this year.
        const bool monthFirst = order_ != DateOrder::kDayMonthYear;
        date = {today_.year, monthFirst ? number[0] : number[1],
                monthFirst ? number[1] : number[0]};
    } else {
        if (!scan.Separator(separator_) || !scan.Number(number[2], digits[2]))
            return std::nullopt;
        // Pictures such as "yyyy. MM. dd." end with the separator.
        if (!scan.AtEnd() && (!scan.Separator(separator_) || !scan.AtEnd()))
            return std::nullopt;
        switch (order_) {
            case DateOrder::kMonthDayYear:
                date = {FullYear(number[2], digits[2], today_.year), number[0], number[1]};
                break;
            case DateOrder::kDayMonthYear:
                date = {FullYear(number[2], digits[2], today_.year), number[1], number[0]};
                break;
            case DateOrder::kYearMonthDay:
                date = {FullYear(number[0], digits[0], today_.year), number[1], number[2]};
                break;
        }
    }
    if (!IsValidCivilDate(date))
        return std::nullopt;
    return date;
}

bool IsDate(std::string_view text, const RegionalSettings& settings, const CivilDate& today) {
    return ShortDateParser(settings, today).IsDate(text);
}

}  // namespace natalo
