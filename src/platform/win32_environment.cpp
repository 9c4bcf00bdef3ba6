#include "platform/win32_environment.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <vector>

namespace natalo {
namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
    char text[128];
    const int length = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text);
    return length > 1 ? std::string(text, static_cast<std::size_t>(length - 1)) : fallback;
}

// The locale numbers its days from Monday; the program from Sunday.
LCTYPE DayType(LCTYPE mondayType, int dayOfWeek) {
    return mondayType + static_cast<LCTYPE>((dayOfWeek + 6) % 7);
}

}  // namespace

CivilDate Win32Clock::Today() const {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

UtcTime Win32Clock::UtcNow() const {
    SYSTEMTIME now;
    ::GetSystemTime(&now);
    return {{now.wYear, now.wMonth, now.wDay}, now.wHour, now.wMinute, now.wSecond};
}

std::string Win32RegionalSettings::ShortDateFormat() const {
    return LocaleText(LOCALE_SSHORTDATE, "M/d/yyyy");
}

std::string Win32RegionalSettings::DateSeparator() const {
    return LocaleText(LOCALE_SDATE, "/");
}

std::string Win32RegionalSettings::AbbreviatedDayName(int dayOfWeek) const {
    return LocaleText(DayType(LOCALE_SABBREVDAYNAME1, dayOfWeek), "");
}

std::string Win32RegionalSettings::DayName(int dayOfWeek) const {
    return LocaleText(DayType(LOCALE_SDAYNAME1, dayOfWeek), "");
}

std::string Win32RegionalSettings::AbbreviatedMonthName(int month) const {
    return LocaleText(LOCALE_SABBREVMONTHNAME1 + static_cast<LCTYPE>(month - 1), "");
}

std::string Win32RegionalSettings::MonthName(int month) const {
    return LocaleText(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(month - 1), "");
}

int Win32RegionalSettings::CompareText(std::string_view a, std::string_view b) const {
    // lstrcmpA wants terminated strings.
    const std::string left(a), right(b);
    return ::lstrcmpA(left.c_str(), right.c_str());
}

std::optional<std::string> Win32RegionalSettings::SortKey(std::string_view text) const {
    // lstrcmpA reads up to the first NUL, converts with the ANSI code page and compares in
    // the thread's locale without flags: the key is made from the same.
    text = text.substr(0, text.find('\0'));
    const int length = static_cast<int>(text.size());
    std::wstring wide(text.size(), L'\0');
    if (length > 0) {
        const int units =
            ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), length);
        if (units <= 0)
            return std::nullopt;
        wide.resize(static_cast<std::size_t>(units));
    }
    // Terminated (-1): the empty text has a key too.
    const LCID locale = ::GetThreadLocale();
    const int size = ::LCMapStringW(locale, LCMAP_SORTKEY, wide.c_str(), -1, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    std::string key(static_cast<std::size_t>(size), '\0');
    // The key is bytes, though the call takes a wide-character buffer.
    if (::LCMapStringW(locale, LCMAP_SORTKEY, wide.c_str(), -1,
                       reinterpret_cast<LPWSTR>(key.data()), size) != size) {
        return std::nullopt;
    }
    key.pop_back();  // its terminating zero
    return key;
}

void Win32Shell::Open(const std::string& address) {
    ::ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::string ExecutablePath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
            return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::string ExecutableDirectory() {
    const std::string path = ExecutablePath();
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace natalo
