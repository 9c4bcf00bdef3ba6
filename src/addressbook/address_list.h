// The rows of the main window's address list and their orders. The list view shows these
// rows in owner-data mode, so a rebuild or a sort of 100,000 rows is a vector operation,
// not 100,000 window messages.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "addressbook/address_record.h"
#include "addressbook/data_file.h"
#include "platform/date_format.h"
#include "platform/regional_settings.h"

namespace natalo {

// Columns of the list; the record number column has width 0 and no caption.
inline constexpr int kAddressListColumns = 12;
inline constexpr int kBirthdayColumn = 3;

struct AddressRow {
    // [0] the record number (1-based) as decimal text, [1..12] LastName, FirstName, the
    // birthday as short date text, Street, Zip, City, Country, Phone, Fax, Mobile, Email, Url.
    std::array<std::string, 13> texts;
    double birthday = 0;

    const std::string& Caption() const { return texts[0]; }
    // The text of sub-item p (0-based), or the caption for p = -1.
    const std::string& Text(int p) const { return texts[static_cast<std::size_t>(p + 1)]; }
};

AddressRow MakeAddressRow(std::size_t recordIndex, const AddressRecord& record,
                          const ShortDateFormatter& dates);

// The default order: last names upper-cased in ASCII only, then compared byte by byte as
// unsigned values, a prefix first. Returns -1, 0 or 1.
int CompareLastNames(const std::string& a, const std::string& b);

enum class SortMode { kText, kDate };

class AddressList {
  public:
    const std::vector<AddressRow>& Rows() const { return rows_; }
    std::size_t Size() const { return rows_.size(); }

    // Reads every record from the file into rows, then sorts them in the default order.
    // When the scan fails part way, the rows read so far stay, unsorted, and the error
    // goes on to the caller.
    void Rebuild(DataFile& file, const RegionalSettings& settings);
    void Clear() { rows_.clear(); }

    // The 0-based record index behind a row, or -1 for no such row.
    long RecordIndexOfRow(long row) const;

    // Sorts by a column (0 = record number ... 11 = email) and flips that column's
    // direction for the next click. Text columns compare with the locale's comparison;
    // the birthday column compares the dates.
    void SortByColumn(int column, const RegionalSettings& settings);

    SortMode Mode() const { return sortMode_; }
    bool SortDescending(int column) const {
        return sortDescending_[static_cast<std::size_t>(column)];
    }

  private:
    std::vector<AddressRow> rows_;
    SortMode sortMode_ = SortMode::kText;
    // One direction per column, kept for the whole run, also across rebuilds.
    std::array<bool, kAddressListColumns + 1> sortDescending_{};
};

}  // namespace natalo
