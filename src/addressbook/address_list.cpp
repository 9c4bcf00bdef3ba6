#include "addressbook/address_list.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/date_format.h"

namespace natalo {
namespace {

unsigned char AsciiUpper(unsigned char c) {
    return c >= 'a' && c <= 'z' ? c - 32 : c;
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// Birthdays without a usable date sort before every date.
int CompareDates(double a, double b) {
    const auto x = DateFromValue(a);
    const auto y = DateFromValue(b);
    if (!x || !y)
        return static_cast<int>(static_cast<bool>(x)) - static_cast<int>(static_cast<bool>(y));
    return Sign(static_cast<int>(DayNumber(*x) - DayNumber(*y)));
}

}  // namespace

AddressRow MakeAddressRow(std::size_t recordIndex, const AddressRecord& record,
                          const ShortDateFormatter& dates) {
    AddressRow row;
    row.texts = {std::to_string(recordIndex + 1),
                 record.LastName,
                 record.FirstName,
                 dates.Text(record.Birthday),
                 record.Street,
                 record.Zip,
                 record.City,
                 record.Country,
                 record.Phone,
                 record.Fax,
                 record.Mobile,
                 record.Email,
                 record.Url};
    row.birthday = record.Birthday;
    return row;
}

int CompareLastNames(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = AsciiUpper(static_cast<unsigned char>(a[i]));
        const unsigned char y = AsciiUpper(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void AddressList::Rebuild(DataFile& file, const RegionalSettings& settings) {
    rows_.clear();
    const ShortDateFormatter dates(settings);
    file.ScanRecords([&](std::size_t index, const AddressRecord& record) {
        rows_.push_back(MakeAddressRow(index, record, dates));
    });
    // Equal last names keep their file order, so a rebuild always looks the same.
    std::stable_sort(rows_.begin(), rows_.end(), [](const AddressRow& a, const AddressRow& b) {
        return CompareLastNames(a.Text(0), b.Text(0)) < 0;
    });
}

long AddressList::RecordIndexOfRow(long row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        return -1;
    const std::string& caption = rows_[static_cast<std::size_t>(row)].Caption();
    long number = 0;
    const auto [end, error] =
        std::from_chars(caption.data(), caption.data() + caption.size(), number);
    return error == std::errc() && end == caption.data() + caption.size() ? number - 1 : -1;
}

void AddressList::SortByColumn(int column, const RegionalSettings& settings) {
    if (column < 0 || column > kAddressListColumns)
        return;
    const int p = column - 1;
    const bool descending = sortDescending_[static_cast<std::size_t>(column)];
    sortMode_ = column == kBirthdayColumn ? SortMode::kDate : SortMode::kText;
    auto compare = [&](const AddressRow& a, const AddressRow& b) {
        const int result = sortMode_ == SortMode::kDate
                               ? CompareDates(a.birthday, b.birthday)
                               : Sign(settings.CompareText(a.Text(p), b.Text(p)));
        return (descending ? -result : result) < 0;
    };
    std::stable_sort(rows_.begin(), rows_.end(), compare);
    sortDescending_[static_cast<std::size_t>(column)] = !descending;
}

}  // namespace natalo
