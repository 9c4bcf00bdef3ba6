// The rows of the main window's address list and their orders. The list view shows these
// rows in owner-data mode and asks for the texts of the rows on the screen only, so the
// list keeps the fields as read from the file and makes a cell's text when it is asked
// for: a rebuild of 100,000 rows is one read and one sort, not 1.3 million strings.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "addressbook/address_record.h"
#include "addressbook/data_file.h"
#include "platform/date_format.h"
#include "platform/regional_settings.h"

namespace natalo {

// Columns of the list; the record number column has width 0 and no caption.
inline constexpr int kAddressListColumns = 12;
inline constexpr int kBirthdayColumn = 3;

// The default order: last names upper-cased in ASCII only, then compared byte by byte as
// unsigned values, a prefix first. Returns -1, 0 or 1.
int CompareLastNames(std::string_view a, std::string_view b);

enum class SortMode { kText, kDate };

class AddressList {
  public:
    std::size_t Size() const { return Records(); }

    // The text of a row's sub-item p: -1 the record number (1-based) as decimal text, then
    // 0 LastName, 1 FirstName, 2 the birthday as short date text, 3 Street, 4 Zip, 5 City,
    // 6 Country, 7 Phone, 8 Fax, 9 Mobile, 10 Email, 11 Url. Empty for no such cell.
    std::string Text(std::size_t row, int p) const;

    // Reads every record from the file; the rows are in the default order. When the file
    // ends in a partial record, the whole records stay, unsorted, and the error goes on to
    // the caller.
    void Rebuild(DataFile& file, const RegionalSettings& settings);
    void Clear();

    // The 0-based record index behind a row, or -1 for no such row.
    long RecordIndexOfRow(long row) const;

    // Sorts by a column (0 = record number ... 11 = email) and flips that column's
    // direction for the next click. Text columns come out in exactly the order of the
    // locale's comparison, rows of equal texts keeping their order; the birthday column
    // compares the dates.
    void SortByColumn(int column, const RegionalSettings& settings);

    SortMode Mode() const { return sortMode_; }
    bool SortDescending(int column) const {
        return sortDescending_[static_cast<std::size_t>(column)];
    }

  private:
    std::size_t Records() const { return starts_.size(); }
    void Keep(std::span<const std::byte> records);
    // The record shown in each row. The default order is made when a row is first asked
    // for: at start-up the list is hidden, and the birthday window need not wait for it.
    const std::vector<std::uint32_t>& Order() const;
    void SortByLastNames() const;
    // A text field of a record as stored in it (sub-item p, not the birthday).
    std::string_view Field(std::uint32_t record, int p) const;
    double Birthday(std::uint32_t record) const;
    // One rank per record for the texts of sub-item p: equal texts share a rank, and the
    // ranks ascend in the order of the locale's comparison.
    std::vector<std::uint32_t> TextRanks(int p, const RegionalSettings& settings) const;
    std::vector<std::int64_t> DateKeys() const;
    template <class Key>
    void SortBy(const std::vector<Key>& keys, bool descending);

    // The shown fields of every record, one after another, each its length byte and its
    // text as the file holds them: a fifth of the records' size, read in less time.
    std::string fields_;
    // Where each record's fields begin in fields_, and its birthday.
    std::vector<std::size_t> starts_;
    std::vector<double> birthdays_;
    mutable std::vector<std::uint32_t> order_;
    mutable bool lastNameOrderPending_ = false;
    // The user's date format as the last rebuild read it.
    std::optional<ShortDateFormatter> dates_;
    SortMode sortMode_ = SortMode::kText;
    // One direction per column, kept for the whole run, also across rebuilds.
    std::array<bool, kAddressListColumns + 1> sortDescending_{};
};

}  // namespace natalo
