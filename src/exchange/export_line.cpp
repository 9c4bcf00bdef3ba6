#include "exchange/export_line.h"

#include "platform/date_format.h"

namespace natalo {

std::string ExportLine(const AddressRecord& record, const RegionalSettings& settings) {
    const std::string birthday = ShortDateText(record.Birthday, settings);
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

}  // namespace natalo
