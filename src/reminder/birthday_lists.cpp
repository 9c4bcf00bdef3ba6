#include "reminder/birthday_lists.h"

namespace natalo {

LinkTable& ProgramLinkTable() {
    static LinkTable table;
    return table;
}

std::vector<std::string>& BirthdayPrintList() {
    static std::vector<std::string> lines;
    return lines;
}

}  // namespace natalo
