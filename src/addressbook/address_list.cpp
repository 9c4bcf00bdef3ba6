#include "addressbook/address_list.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <unordered_map>

#include "platform/calendar.h"
#include "platform/io_error.h"

namespace natalo {
namespace {

constexpr int kBirthdaySubItem = kBirthdayColumn - 1;

unsigned char AsciiUpper(unsigned char c) {
    return c >= 'a' && c <= 'z' ? c - 32 : c;
}

// The fields the list shows, in the order of kTextFields: all but the gender.
constexpr std::size_t kShownFields = 11;
static_assert(kTextFields.size() == kShownFields + 1 &&
              kTextFields.back().member == &AddressRecord::Gender);

// The record field behind sub-item p: the birthday sits between FirstName and Street.
std::size_t FieldOfSubItem(int p) {
    return static_cast<std::size_t>(p < kBirthdaySubItem ? p : p - 1);
}

}  // namespace

int CompareLastNames(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = AsciiUpper(static_cast<unsigned char>(a[i]));
        const unsigned char y = AsciiUpper(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string_view AddressList::Field(std::uint32_t record, int p) const {
    const char* at = fields_.data() + starts_[record];
    for (std::size_t skipped = FieldOfSubItem(p); skipped > 0; --skipped)
        at += 1 + static_cast<unsigned char>(*at);
    return {at + 1, static_cast<unsigned char>(*at)};
}

double AddressList::Birthday(std::uint32_t record) const {
    return birthdays_[record];
}

std::string AddressList::Text(std::size_t row, int p) const {
    if (row >= Size() || p < -1 || p > kAddressListColumns - 1)
        return {};
    const std::uint32_t record = Order()[row];
    if (p == -1)
        return std::to_string(std::size_t{record} + 1);
    if (p == kBirthdaySubItem)
        return dates_ ? dates_->Text(Birthday(record)) : std::string();
    return std::string(Field(record, p));
}

void AddressList::Clear() {
    fields_.clear();
    starts_.clear();
    birthdays_.clear();
    order_.clear();
    lastNameOrderPending_ = false;
}

template <class Key>
void AddressList::SortBy(const std::vector<Key>& keys, bool descending) {
    Order();
    std::stable_sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) {
        return descending ? keys[b] < keys[a] : keys[a] < keys[b];
    });
}

void AddressList::Rebuild(DataFile& file, const RegionalSettings& settings) {
    Clear();
    dates_.emplace(settings);
    auto fileOrder = [this] {
        order_.resize(Records());
        std::iota(order_.begin(), order_.end(), std::uint32_t{0});
    };
    starts_.reserve(file.RecordCount());
    birthdays_.reserve(file.RecordCount());
    try {
        file.ScanRecordBlocks(
            [this](std::size_t, std::span<const std::byte> records) { Keep(records); });
    } catch (const EInOutError&) {
        fileOrder();
        throw;
    }
    fileOrder();
    lastNameOrderPending_ = true;
}

void AddressList::Keep(std::span<const std::byte> records) {
    for (std::size_t at = 0; at < records.size(); at += kRecordSize) {
        const RecordView record = records.subspan(at).first<kRecordSize>();
        starts_.push_back(fields_.size());
        birthdays_.push_back(BirthdayValue(record));
        for (std::size_t field = 0; field < kShownFields; ++field) {
            const std::string_view text = FieldText(record, kTextFields[field]);
            fields_ += static_cast<char>(text.size());
            fields_ += text;
        }
    }
}

const std::vector<std::uint32_t>& AddressList::Order() const {
    if (lastNameOrderPending_) {
        lastNameOrderPending_ = false;
        SortByLastNames();
    }
    return order_;
}

void AddressList::SortByLastNames() const {
    // Each last name's first eight bytes, upper-cased, as one number: most comparisons end
    // there. Equal beginnings compare the whole names, equal names the file order, so that
    // a rebuild always looks the same.
    struct NameKey {
        std::uint64_t prefix;
        std::uint32_t record;
    };
    std::vector<NameKey> keys(Records());
    for (std::uint32_t record = 0; record < Records(); ++record) {
        const std::string_view name = Field(record, 0);
        std::uint64_t prefix = 0;
        for (std::size_t i = 0; i < sizeof prefix; ++i) {
            const unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
            prefix = prefix << 8 | AsciiUpper(c);
        }
        keys[record] = {prefix, record};
    }
    std::sort(keys.begin(), keys.end(), [this](const NameKey& a, const NameKey& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int names = CompareLastNames(Field(a.record, 0), Field(b.record, 0));
        return names != 0 ? names < 0 : a.record < b.record;
    });
    for (std::size_t row = 0; row < keys.size(); ++row)
        order_[row] = keys[row].record;
}

long AddressList::RecordIndexOfRow(long row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= Size())
        return -1;
    return static_cast<long>(Order()[static_cast<std::size_t>(row)]);
}

std::vector<std::uint32_t> AddressList::TextRanks(int p, const RegionalSettings& settings) const {
    // Each distinct text is compared once: a column of cities holds far fewer texts than
    // rows. The record numbers are made as the column shows them.
    std::vector<std::string> numbers;
    if (p == -1) {
        numbers.reserve(Records());
        for (std::size_t record = 0; record < Records(); ++record)
            numbers.push_back(std::to_string(record + 1));
    }
    auto textOf = [&](std::uint32_t record) -> std::string_view {
        return p == -1 ? std::string_view(numbers[record]) : Field(record, p);
    };
    std::unordered_map<std::string_view, std::uint32_t> distinctIndex;
    distinctIndex.reserve(Records());
    std::vector<std::string_view> distinct;
    std::vector<std::uint32_t> textIndex(Records());
    for (std::uint32_t record = 0; record < Records(); ++record) {
        const auto [at, added] =
            distinctIndex.emplace(textOf(record), static_cast<std::uint32_t>(distinct.size()));
        if (added)
            distinct.push_back(textOf(record));
        textIndex[record] = at->second;
    }

    std::vector<std::string> keys;
    keys.reserve(distinct.size());
    for (const std::string_view text : distinct) {
        std::optional<std::string> key = settings.SortKey(text);
        if (!key) {
            keys.clear();
            break;
        }
        keys.push_back(std::move(*key));
    }
    const bool byKeys = keys.size() == distinct.size();
    auto compare = [&](std::uint32_t a, std::uint32_t b) {
        return byKeys ? keys[a].compare(keys[b]) : settings.CompareText(distinct[a], distinct[b]);
    };
    std::vector<std::uint32_t> sorted(distinct.size());
    std::iota(sorted.begin(), sorted.end(), std::uint32_t{0});
    std::sort(sorted.begin(), sorted.end(),
              [&](std::uint32_t a, std::uint32_t b) { return compare(a, b) < 0; });
    // Texts the comparison calls equal share a rank, so their rows keep their order.
    std::vector<std::uint32_t> rankOfText(distinct.size());
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0 && compare(sorted[i - 1], sorted[i]) != 0)
            ++rank;
        rankOfText[sorted[i]] = rank;
    }
    std::vector<std::uint32_t> ranks(Records());
    for (std::size_t record = 0; record < Records(); ++record)
        ranks[record] = rankOfText[textIndex[record]];
    return ranks;
}

std::vector<std::int64_t> AddressList::DateKeys() const {
    // Birthdays without a usable date sort before every date.
    std::vector<std::int64_t> keys(Records(), std::numeric_limits<std::int64_t>::min());
    for (std::uint32_t record = 0; record < Records(); ++record) {
        if (const auto date = DateFromValue(Birthday(record)))
            keys[record] = DayNumber(*date);
    }
    return keys;
}

void AddressList::SortByColumn(int column, const RegionalSettings& settings) {
    if (column < 0 || column > kAddressListColumns)
        return;
    const bool descending = sortDescending_[static_cast<std::size_t>(column)];
    sortMode_ = column == kBirthdayColumn ? SortMode::kDate : SortMode::kText;
    if (sortMode_ == SortMode::kDate) {
        SortBy(DateKeys(), descending);
    } else {
        SortBy(TextRanks(column - 1, settings), descending);
    }
    sortDescending_[static_cast<std::size_t>(column)] = !descending;
}

}  // namespace natalo
