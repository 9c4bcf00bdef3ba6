// What each build of the birthday schedule leaves for the rest of the program: the link
// table that the gift and greeting links look their address up in, and the print list
// that the birthday printout prints. Both are overwritten by every build; the program
// keeps one of each for the whole run.
#pragma once

#include "platform/text_lines.h"
#include "reminder/greeting_links.h"

namespace natalo {

struct BirthdayLists {
    LinkTable linkTable;
    // Two lines per person in calendar order: day and month, then the name.
    TextLines printList;
};

}  // namespace natalo
