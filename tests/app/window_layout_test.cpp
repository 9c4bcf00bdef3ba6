// Where every window of the program puts its parts: at 96 DPI exactly as reviewed in
// window_layout.golden, and at the other display scales as that times DPI / 96, whether
// a window was made at that DPI or moved there (WM_DPICHANGED). Run with
// NATALO_WRITE_LAYOUT=1 to write the golden file anew from the 96-DPI layout.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "app/program_fixture.h"
#include "reminder/birthday_window.h"
#include "ui/label.h"
#include "ui/radio_button.h"

namespace natalo::testing {
namespace {

// Who decides where a part goes and how large it is.
enum class Sizing {
    Fixed,   // the layout
    Text,    // the layout places it, its text sizes it
    System,  // the system (a part a standard control makes for itself, such as a header)
};

// One window or part of a window, its rectangle relative to the form's client area (a
// list's columns: relative to its header).
struct Part {
    std::string className;
    std::string text;
    ui::Bounds bounds;
    Sizing sizing = Sizing::Fixed;
    // The LOGFONT height of a framework control's font (0: not one of ours).
    int fontHeight = 0;
};

struct WindowLayout {
    std::string name;
    std::vector<Part> parts;  // the client area first, then every child window
};

using Layout = std::vector<WindowLayout>;

Sizing SizingOf(HWND window) {
    ui::Window* object = ui::Window::FromHandle(window);
    if (!object)
        return Sizing::System;
    auto* label = dynamic_cast<ui::Label*>(object);
    auto* radio = dynamic_cast<ui::RadioButton*>(object);
    if ((label && label->AutoSize()) || (radio && radio->LayoutBounds().width == 0))
        return Sizing::Text;
    return Sizing::Fixed;
}

constexpr const char* kSizingNames[] = {"fixed", "text", "system"};

// A window text as the golden file keeps it: its first 40 characters, each beyond ASCII
// a "?", so that the file reads the same in every editor.
std::string AsciiText(std::string text) {
    text = text.substr(0, 40);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            c = '?';
    }
    return text;
}

int FontHeightOf(HWND window) {
    auto* control = dynamic_cast<ui::Control*>(ui::Window::FromHandle(window));
    LOGFONTA font{};
    if (!control || !::GetObjectA(control->Font(), sizeof font, &font))
        return 0;
    return font.lfHeight;
}

ui::Bounds RelativeTo(HWND form, RECT rect) {
    ::MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

WindowLayout LayoutOf(const std::string& name, const ui::Form& form) {
    WindowLayout layout{name, {}};
    const RECT client = form.ClientRect();
    layout.parts.push_back({"client", "", {0, 0, client.right, client.bottom}, Sizing::Fixed});
    struct Walk {
        HWND form;
        WindowLayout* layout;
    } walk{form.Handle(), &layout};
    ::EnumChildWindows(
        form.Handle(),
        [](HWND child, LPARAM data) {
            auto& [formWindow, into] = *reinterpret_cast<Walk*>(data);
            char className[64] = {};
            ::GetClassNameA(child, className, sizeof className);
            RECT rect{};
            ::GetWindowRect(child, &rect);
            into->parts.push_back({className, AsciiText(ui::testing::WindowText(child)),
                                   RelativeTo(formWindow, rect), SizingOf(child),
                                   FontHeightOf(child)});
            // A list's columns are parts of its header.
            if (std::string(className) == WC_HEADERA) {
                const int count = static_cast<int>(::SendMessageA(child, HDM_GETITEMCOUNT, 0, 0));
                for (int column = 0; column < count; ++column) {
                    RECT item{};
                    ::SendMessageA(child, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&item));
                    into->parts.push_back(
                        {"column", "", {item.left, 0, item.right - item.left, 0}, Sizing::Fixed});
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
    return layout;
}

std::string Written(const Layout& layout) {
    std::ostringstream out;
    for (const WindowLayout& window : layout) {
        out << "[" << window.name << "]\n";
        for (const Part& part : window.parts) {
            out << std::quoted(part.className) << ' ' << std::quoted(part.text) << ' '
                << part.bounds.left << ' ' << part.bounds.top << ' ' << part.bounds.width << ' '
                << part.bounds.height << ' ' << kSizingNames[static_cast<int>(part.sizing)] << ' '
                << part.fontHeight << '\n';
        }
    }
    return out.str();
}

Layout Read(std::istream& in) {
    Layout layout;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        if (line.front() == '[') {
            layout.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        std::istringstream fields(line);
        Part part;
        std::string kind;
        fields >> std::quoted(part.className) >> std::quoted(part.text) >> part.bounds.left >>
            part.bounds.top >> part.bounds.width >> part.bounds.height >> kind >> part.fontHeight;
        for (int sizing = 0; sizing < 3; ++sizing) {
            if (kind == kSizingNames[sizing])
                part.sizing = static_cast<Sizing>(sizing);
        }
        if (!layout.empty())
            layout.back().parts.push_back(part);
    }
    return layout;
}

// Whether a value lies within `tolerance` of the golden one times DPI / 96.
bool Near(int actual, int golden, int dpi, int tolerance = 1) {
    return std::abs(actual - ui::ScaleToDpi(golden, dpi)) <= tolerance;
}

// Texts do not grow in exact proportion: the 96-DPI face "MS Sans Serif" is a bitmap font,
// shown elsewhere by its TrueType twin (under Wine, Liberation Sans, whose bold runs up to
// 17 % narrower), and small Tahoma sizes are hinted apart. So a size a text decides may lie
// 20 % from the golden one times DPI / 96; that its font is made for the DPI is checked by
// the font's height.
int TextTolerance(int goldenSize, int dpi) {
    return std::max(1, ui::ScaleToDpi(goldenSize, dpi) / 5);
}

bool PlacedAsDesigned(const Part& actual, const Part& golden, int dpi) {
    const ui::Bounds& a = actual.bounds;
    const ui::Bounds& g = golden.bounds;
    if (dpi == ui::kLayoutDpi)
        return a == g;
    switch (golden.sizing) {
        case Sizing::Fixed:
            return Near(a.left, g.left, dpi) && Near(a.top, g.top, dpi) &&
                   Near(a.width, g.width, dpi) && Near(a.height, g.height, dpi);
        case Sizing::Text:
            // Placed at its left edge, or centred on a place.
            return (Near(a.left, g.left, dpi) ||
                    std::abs(2 * a.left + a.width - ui::ScaleToDpi(2 * g.left + g.width, dpi)) <=
                        2) &&
                   Near(a.top, g.top, dpi) &&
                   Near(a.width, g.width, dpi, TextTolerance(g.width, dpi)) &&
                   Near(a.height, g.height, dpi, TextTolerance(g.height, dpi));
        case Sizing::System:
            // Inside the system's own edges, which follow the display rather than the window.
            return Near(a.left, g.left, dpi, ui::ScaleToDpi(2, dpi)) &&
                   Near(a.top, g.top, dpi, ui::ScaleToDpi(2, dpi)) &&
                   Near(a.width, g.width, dpi, TextTolerance(g.width, dpi)) &&
                   Near(a.height, g.height, dpi, TextTolerance(g.height, dpi));
    }
    return false;
}

// A font's height at 96 DPI, grown by DPI / 96 and rounded down.
int FontHeightAt(int goldenHeight, int dpi) {
    return -(-goldenHeight * dpi / ui::kLayoutDpi);
}

void ExpectLayout(const Layout& golden, const Layout& actual, int dpi) {
    ASSERT_EQ(golden.size(), actual.size()) << "windows at " << dpi << " DPI";
    for (std::size_t w = 0; w < golden.size(); ++w) {
        const WindowLayout& want = golden[w];
        const WindowLayout& got = actual[w];
        EXPECT_EQ(got.name, want.name);
        ASSERT_EQ(got.parts.size(), want.parts.size()) << want.name << " at " << dpi << " DPI";
        for (std::size_t p = 0; p < want.parts.size(); ++p) {
            const Part& a = got.parts[p];
            const Part& g = want.parts[p];
            EXPECT_TRUE(PlacedAsDesigned(a, g, dpi) && a.className == g.className &&
                        a.text == g.text && a.fontHeight == FontHeightAt(g.fontHeight, dpi))
                << want.name << " at " << dpi << " DPI, part " << p << ": " << Written({{"", {a}}})
                << "  where the layout wants " << Written({{"", {g}}});
        }
    }
}

const char kGoldenFile[] = NATALO_LAYOUT_GOLDEN;

class WindowLayoutTest : public ProgramTest {
  protected:
    // Every window of the program over four people, shown as a user sees it.
    std::vector<std::pair<std::string, ui::Form*>> ShowEveryWindow() {
        Start(FourPeopleAroundChristmas());
        const std::vector<std::pair<std::string, ui::Form*>> windows{
            {"main window", input},
            {"address editor", &program->frmerf()},
            {"import dialog", &program->frmImport()},
            {"tell-a-friend window", &program->Form1()},
            {"browser window", &program->Form3()},
            {"print window", &program->Form4()},
            {"about box", &program->About()},
            {"birthday window", &program->BirthdayWindowsOfRun().ShowNew()}};
        for (const auto& [name, form] : windows)
            form->Show();
        return windows;
    }
    static Layout LayoutOf(const std::vector<std::pair<std::string, ui::Form*>>& windows) {
        Layout layout;
        for (const auto& [name, form] : windows)
            layout.push_back(testing::LayoutOf(name, *form));
        return layout;
    }
    static Layout Golden() {
        std::ifstream in(kGoldenFile);
        return Read(in);
    }
};

TEST_F(WindowLayoutTest, EveryWindowIsLaidOutAsDesignedAtEveryDisplayScale) {
    for (const int dpi : {96, 120, 144, 192}) {
        ui::App().SetDpiSource([dpi](HWND) { return dpi; });
        const Layout layout = LayoutOf(ShowEveryWindow());
        if (dpi == ui::kLayoutDpi && std::getenv("NATALO_WRITE_LAYOUT")) {
            std::ofstream(kGoldenFile) << Written(layout);
            GTEST_SKIP() << "wrote " << kGoldenFile;
        }
        ExpectLayout(Golden(), layout, dpi);
        program.reset();
    }
}

TEST_F(WindowLayoutTest, AWindowMovedToAnotherDisplayScaleIsLaidOutForIt) {
    const auto windows = ShowEveryWindow();
    constexpr int kNewDpi = 144;
    for (const auto& [name, form] : windows) {
        const ui::Bounds at = form->GetBounds();
        const RECT suggested{at.left, at.top, at.left + ui::ScaleToDpi(at.width, kNewDpi),
                             at.top + ui::ScaleToDpi(at.height, kNewDpi)};
        ::SendMessageA(form->Handle(), WM_DPICHANGED, MAKEWPARAM(kNewDpi, kNewDpi),
                       reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(form->Dpi(), kNewDpi) << name;
        EXPECT_EQ(form->GetBounds().width, suggested.right - suggested.left) << name;
    }
    ExpectLayout(Golden(), LayoutOf(windows), kNewDpi);
}

// Every text of the birthday window's schedule within its label at 150 %: no label over
// another, each label showing its text, and no text colour anywhere else in the column.
TEST_F(WindowLayoutTest, TheBirthdayWindowAt150PercentShowsEveryTextInsideItsLabel) {
    constexpr int kDpi = 144;
    ui::App().SetDpiSource([](HWND) { return kDpi; });
    Start(FourPeopleAroundChristmas());
    TfrmDisp& window = program->BirthdayWindowsOfRun().ShowNew();
    const ScheduleLabels& schedule = window.RunTimeLabels();
    std::vector<ui::Label*> labels = schedule.Headings();
    labels.insert(labels.end(), schedule.Names().begin(), schedule.Names().end());
    for (const ScheduleLabels::LinkRowLabels& row : schedule.LinkRows())
        labels.insert(labels.end(), {row.gift, row.mail, row.greeting});
    for (ui::Label* a : labels) {
        for (ui::Label* b : labels) {
            RECT ra = ui::testing::WindowRect(a->Handle()),
                 rb = ui::testing::WindowRect(b->Handle()), both{};
            EXPECT_TRUE(a == b || !::IntersectRect(&both, &ra, &rb))
                << a->Text() << " lies over " << b->Text();
        }
    }
    // The coming column: right of the picture, above the picture buttons.
    const RECT column{window.Scaled(160), window.Scaled(32), window.Scaled(372),
                      window.Scaled(460)};
    EXPECT_TRUE(ui::testing::ScreenShows(
        window.Handle(), "birthday-window-144dpi.png",
        [&](const Screenshot& shot) -> ::testing::AssertionResult {
            for (ui::Label* label : labels) {
                if (!label->Enabled())
                    continue;  // drawn in the system's grey
                const RECT inside = shot.RectOf(label->Handle());
                if (auto shown = shot.HasColourIn(inside, label->TextColour()); !shown)
                    return shown << " in the label \"" << label->Text() << "\"";
            }
            const POINT corner = shot.FromClient(0, 0);
            for (LONG y = column.top; y < column.bottom; ++y) {
                for (LONG x = column.left; x < column.right; ++x) {
                    const POINT at{corner.x + x, corner.y + y};
                    const COLORREF colour = shot.Pixel(at);
                    const bool inLabel = std::any_of(labels.begin(), labels.end(), [&](auto* l) {
                        const RECT r = shot.RectOf(l->Handle());
                        return ::PtInRect(&r, at) != FALSE;
                    });
                    const bool textColour = std::any_of(labels.begin(), labels.end(), [&](auto* l) {
                        return l->TextColour() == colour;
                    });
                    if (textColour && !inLabel) {
                        return ::testing::AssertionFailure()
                               << "text colour outside the labels at client " << x << "," << y;
                    }
                }
            }
            return ::testing::AssertionSuccess();
        }));
}

}  // namespace
}  // namespace natalo::testing
