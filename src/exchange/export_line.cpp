#include "exchange/export_line.h"

#include "platform/date_format.h"

namespace natalo {

std::string ExportLine(const AddressRecord& record, const RegionalSettings& settings) {
    return ExportLine(record, settings, settings.ShortDateFormat());
}

std::string ExportLine(const AddressRecord& record, const RegionalSettings& settings,
                       std::string_view shortDatePicture) {
    // As the address list shows it: no text for a damaged value.
    const auto date = DateFromValue(record.Birthday);
    const std::string birthday = date ? FormatDate(*date, shortDatePicture, settings) : "";
    std::string line;
    for (const std::string* field :
         {&record.FirstName, &record.LastName, &birthday, &record.Gender, &record.Street,
          &record.Zip, &record.City, &record.Country, &record.Phone, &record.Fax, &record.Mobile,
          &record.Email, &record.Url}) {
        line += *field;
        line += ';';
    }
    return line;
}

std::string FullName(const AddressRecord& record) {
    if (record.FirstName.empty() || record.LastName.empty())
        return record.FirstName + record.LastName;
    return record.FirstName + " " + record.LastName;
}

}  // namespace natalo
