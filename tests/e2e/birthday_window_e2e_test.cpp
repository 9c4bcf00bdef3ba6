// natalo.exe started with a prepared address book on a fixed day (libfaketime under Wine)
// and German short dates: the birthday window it shows, read from this second process,
// and a screenshot of it for people to look at.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <map>

#include "addressbook/address_record.h"
#include "platform/calendar.h"
#include "win32/program_driver.h"
#include "win32/temp_folder.h"

namespace natalo {
namespace {

using namespace std::chrono_literals;
using testing::RunningProgram;
using testing::TempFolder;

const std::string kCaption = "   Natalo - The Birthday Manager";

AddressRecord Person(std::string first, std::string last, CivilDate birthday, std::string gender,
                     std::string email = "", std::string mobile = "") {
    AddressRecord record;
    record.FirstName = std::move(first);
    record.LastName = std::move(last);
    record.Birthday = DateValue(birthday);
    record.Gender = std::move(gender);
    record.Email = std::move(email);
    record.Mobile = std::move(mobile);
    return record;
}

// A PNG of 24-bit rows (top-down, BGR) with stored deflate blocks: no compressor needed.
class PngWriter {
  public:
    static bool Write(const std::string& path, int width, int height,
                      const std::vector<std::uint8_t>& bgrRows) {
        std::vector<std::uint8_t> raw;
        for (int y = 0; y < height; ++y) {
            raw.push_back(0);  // no filter
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* pixel = &bgrRows[(static_cast<std::size_t>(y) * width + x) * 3];
                raw.insert(raw.end(), {pixel[2], pixel[1], pixel[0]});
            }
        }
        std::vector<std::uint8_t> zlib{0x78, 0x01};
        for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
            const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
            const bool last = at + length >= raw.size();
            zlib.push_back(last ? 1 : 0);
            zlib.insert(
                zlib.end(),
                {static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
                 static_cast<std::uint8_t>(~length), static_cast<std::uint8_t>(~length >> 8)});
            zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                        raw.begin() + static_cast<std::ptrdiff_t>(at + length));
            if (last)
                break;
        }
        AppendBigEndian(zlib, Adler32(raw));

        std::vector<std::uint8_t> header;
        AppendBigEndian(header, static_cast<std::uint32_t>(width));
        AppendBigEndian(header, static_cast<std::uint32_t>(height));
        header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB

        std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        AppendChunk(file, "IHDR", header);
        AppendChunk(file, "IDAT", zlib);
        AppendChunk(file, "IEND", {});
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()),
                  static_cast<std::streamsize>(file.size()));
        return static_cast<bool>(out);
    }

  private:
    static void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
        out.insert(out.end(),
                   {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                    static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
    }
    static std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
        std::uint32_t a = 1, b = 0;
        for (std::uint8_t byte : data) {
            a = (a + byte) % 65521;
            b = (b + a) % 65521;
        }
        return (b << 16) | a;
    }
    static std::uint32_t Crc32(const std::vector<std::uint8_t>& data) {
        std::uint32_t crc = 0xFFFFFFFF;
        for (std::uint8_t byte : data) {
            crc ^= byte;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    }
    static void AppendChunk(std::vector<std::uint8_t>& file, const char* type,
                            const std::vector<std::uint8_t>& data) {
        AppendBigEndian(file, static_cast<std::uint32_t>(data.size()));
        std::vector<std::uint8_t> typed(type, type + 4);
        typed.insert(typed.end(), data.begin(), data.end());
        file.insert(file.end(), typed.begin(), typed.end());
        AppendBigEndian(file, Crc32(typed));
    }
};

// The screen's pixels under a window, saved beside natalo.exe in the build folder.
bool SaveScreenshot(HWND window, const std::string& name) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(memory, previous);
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < height; ++y) {
        const auto* row =
            static_cast<const std::uint8_t*>(bits) + static_cast<std::size_t>(y) * stride;
        rows.insert(rows.end(), row, row + width * 3);
    }
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    std::string folder = testing::BuiltProgramPath();
    folder.erase(folder.find_last_of('\\') + 1);
    return PngWriter::Write(folder + name, width, height, rows);
}

// The user's short date format for the test's duration, put back afterwards.
class ShortDateFormat {
  public:
    explicit ShortDateFormat(const char* format, const char* separator) {
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format_, sizeof format_);
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator_, sizeof separator_);
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format);
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator);
    }
    ~ShortDateFormat() {
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format_);
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator_);
    }

  private:
    char format_[80] = {};
    char separator_[8] = {};
};

// The fixed day comes from libfaketime, which must be in the Unix environment of the
// Wine process that starts natalo.exe: Wine starts its programs with the Unix environment
// of their parent. The e2e_birthday_window test entry sets it for this whole test process.
bool RunsOnAFixedDay() {
    char value[64] = {};
    return ::GetEnvironmentVariableA("FAKETIME", value, sizeof value) > 0 &&
           std::string(value) == "@2026-12-20 10:00:00";
}

// The visible birthday window: the program's visible window with the birthday caption and
// no address list.
HWND FindBirthdayWindow(const RunningProgram& program) {
    for (HWND window : program.Windows()) {
        if (!::IsWindowVisible(window) || testing::WindowText(window) != kCaption)
            continue;
        bool hasList = false;
        for (HWND child : testing::ChildWindows(window))
            hasList = hasList || testing::ClassNameOf(child) == "SysListView32";
        if (!hasList)
            return window;
    }
    return nullptr;
}

// Every label text of the window with its top-left corner in client coordinates.
std::multimap<std::string, POINT> LabelsOf(HWND window) {
    std::multimap<std::string, POINT> labels;
    for (HWND child : testing::ChildWindows(window)) {
        if (testing::ClassNameOf(child) != "NataloLabel")
            continue;
        RECT rect{};
        ::GetWindowRect(child, &rect);
        POINT corner{rect.left, rect.top};
        ::ScreenToClient(window, &corner);
        labels.emplace(testing::WindowText(child), corner);
    }
    return labels;
}

TEST(BirthdayWindowEndToEnd, ShowsTheBirthdaysOfTheFixedDayWithGermanDates) {
    if (!RunsOnAFixedDay())
        GTEST_SKIP() << "needs the fixed day of the e2e_birthday_window test entry";
    TempFolder folder;
    ASSERT_TRUE(
        ::CopyFileA(testing::BuiltProgramPath().c_str(), folder.File("natalo.exe").c_str(), FALSE));
    std::string content;
    for (const AddressRecord& person :
         {Person("Tom", "Today", {1990, 12, 20}, "m", "tom@example.com"),
          Person("Anna", "Muster", {1984, 12, 24}, "f", "anna@example.com"),
          Person("Bert", "Brown", {1950, 1, 5}, "m"),
          Person("Clara", "Klein", {1970, 12, 10}, "f", "", "0170 123")}) {
        const RecordBytes bytes = EncodeRecord(person);
        content.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    testing::WriteWholeFile(folder.File("data.dat"), content);

    ShortDateFormat germanDates("dd.MM.yyyy", ".");
    auto program = std::make_unique<RunningProgram>(folder.File("natalo.exe"));
    HWND window = nullptr;
    ASSERT_TRUE(
        testing::WaitUntil([&] { return (window = FindBirthdayWindow(*program)) != nullptr; }));
    std::multimap<std::string, POINT> labels;
    testing::WaitUntil(
        [&] {
            labels = LabelsOf(window);
            return labels.count("Anna Muster (42.)") > 0;
        },
        5s);

    const std::vector<std::pair<std::string, POINT>> expected{
        {"Recent Birthdays:", {9, 333}},
        {"Sun, 20.12.", {170, 48}},
        {"Tom Today (36.)", {190, 63}},
        {"Thu, 24.12.", {170, 96}},
        {"Anna Muster (42.)", {190, 111}},
        {"Tue, 05.01..", {170, 141}},
        {"Bert Brown (77.)", {190, 156}},
        {"Fri, 10.12..", {170, 186}},
        {"Clara Klein (57.)", {190, 201}},
        {"Thu, 10.12. Clara Klein", {10, 347}},
        {"Mon, 05.01. Bert Brown", {10, 359}},
        {"\xA9 2003-2026 Zarnik Computers", {4, 544}},
        {"Search a present", {190, 80}},
        {"automate", {290, 128}},
        {"Automat", {290, 173}}};
    for (const auto& [text, position] : expected) {
        const auto found = labels.find(text);
        ASSERT_NE(found, labels.end()) << text;
        bool atPlace = false;
        for (auto it = labels.equal_range(text).first; it != labels.equal_range(text).second; ++it)
            atPlace = atPlace || (it->second.x == position.x && it->second.y == position.y);
        EXPECT_TRUE(atPlace) << text << " not at " << position.x << "," << position.y;
    }
    EXPECT_EQ(labels.count("Search a present"), 4u);

    RECT outer{};
    ::GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 380);
    ::Sleep(300);  // let it paint
    EXPECT_TRUE(SaveScreenshot(window, "birthday-window-e2e.png"));
}

}  // namespace
}  // namespace natalo
