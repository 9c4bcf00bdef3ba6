#include "exchange/import_line.h"

namespace natalo {
namespace {

constexpr char kSeparator = ';';

// Calls take(text) for fields 1 to count of the line; stops early when take says so.
template <typename Take>
void ForEachField(std::string_view line, char delimiter, std::size_t count, Take take) {
    line = line.substr(0, kImportLineLimit);
    std::size_t start = 0;
    for (std::size_t field = 1; field <= count && start <= line.size(); ++field) {
        std::size_t end = line.find(delimiter, start);
        if (end == std::string_view::npos)
            end = line.size();
        if (!take(field, line.substr(start, end - start)))
            return;
        start = end + 1;
    }
}

}  // namespace

double NoBirthdayValue() {
    return DateValue({2999, 1, 1});
}

std::optional<CivilDate> KnownBirthday(const AddressRecord& record) {
    const auto date = DateFromValue(record.Birthday);
    if (date && DateValue(*date) == NoBirthdayValue())
        return std::nullopt;  // whatever its time of day
    return date;
}

std::string mySplit(std::string_view line, char delimiter, int index) {
    if (index < 1)
        return {};
    const auto wanted = static_cast<std::size_t>(index);
    std::string found;
    ForEachField(line, delimiter, wanted, [&](std::size_t field, std::string_view text) {
        if (field < wanted)
            return true;
        found = text;
        return false;
    });
    return found;
}

std::array<std::string, kImportFieldCount> SplitImportLine(std::string_view line) {
    std::array<std::string, kImportFieldCount> fields;
    ForEachField(line, kSeparator, kImportFieldCount,
                 [&](std::size_t field, std::string_view text) {
                     fields[field - 1] = text;
                     return true;
                 });
    return fields;
}

AddressRecord PendingAddressFromLine(std::string_view line, const ShortDateParser& dates) {
    auto fields = SplitImportLine(line);
    AddressRecord pending;
    pending.FirstName = std::move(fields[0]);
    pending.LastName = std::move(fields[1]);
    const auto birthday = dates.Parse(fields[2]);
    pending.Birthday = birthday ? DateValue(*birthday) : NoBirthdayValue();
    pending.Gender = std::move(fields[3]);
    pending.Street = std::move(fields[4]);
    pending.Zip = std::move(fields[5]);
    pending.City = std::move(fields[6]);
    pending.Country = std::move(fields[7]);
    pending.Phone = std::move(fields[8]);
    pending.Fax = std::move(fields[9]);
    pending.Mobile = std::move(fields[10]);
    pending.Email = std::move(fields[11]);
    pending.Url = std::move(fields[12]);
    return pending;
}

}  // namespace natalo
