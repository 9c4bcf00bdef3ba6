// What the birthday window shows of FourPeopleAroundChristmas on 20 December 2026 with
// the short date format dd.MM.yyyy, at 96 DPI: each text with its top-left corner in the
// window's client area. One source for the schedule, the window and the end-to-end test.
#pragma once

#include <string>
#include <vector>

namespace natalo::testing {

struct PlacedText {
    std::string text;
    int left = 0;
    int top = 0;
};

struct FourPeopleLayout {
    std::vector<PlacedText> headings;  // the coming birthdays, in the order they come
    std::vector<PlacedText> names;
    std::vector<PlacedText> recent;  // the latest past birthday first
};

inline const FourPeopleLayout& FourPeopleAroundChristmasLayout() {
    static const FourPeopleLayout layout{
        {{"Sun, 20.12.", 170, 48},
         {"Thu, 24.12.", 170, 96},
         {"Tue, 05.01..", 170, 141},
         {"Fri, 10.12..", 170, 186}},
        {{"Tom Today (36.)", 190, 63},
         {"Anna Muster (42.)", 190, 111},
         {"Bert Brown (77.)", 190, 156},
         {"Clara Klein (57.)", 190, 201}},
        {{"Thu, 10.12. Clara Klein", 10, 347}, {"Mon, 05.01. Bert Brown", 10, 359}}};
    return layout;
}

}  // namespace natalo::testing
