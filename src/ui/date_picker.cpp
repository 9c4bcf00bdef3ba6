#include "ui/date_picker.h"

#include <commctrl.h>

namespace natalo::ui {

DatePicker::DatePicker(Window& parent, const Bounds& bounds)
    : Control(parent, bounds, "", DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT | WS_TABSTOP, 0,
              Kind::Standard) {}

CivilDate DatePicker::Date() const {
    SYSTEMTIME time{};
    ::SendMessageA(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return {time.wYear, time.wMonth, time.wDay};
}

void DatePicker::SetDate(const CivilDate& date) {
    if (!IsValidCivilDate(date))
        return;
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    time.wDayOfWeek = static_cast<WORD>(DayOfWeek(date));
    ::SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

bool DatePicker::HandleNotification(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == DTN_DATETIMECHANGE) {
        if (onChange_)
            onChange_();
        result = 0;
        return true;
    }
    return false;
}

}  // namespace natalo::ui
