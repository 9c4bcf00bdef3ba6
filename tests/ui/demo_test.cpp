// A demo window in the program's style (themed frame, menu strip, list, labels, group box,
// buttons), shown on the display and saved as ui-demo.png in the build folder for people
// to look at once the screen shows its themed frame.
#include <windows.h>

#include "ui/button.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/link_label.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui_test_support.h"

namespace natalo::ui::testing {
namespace {

using DemoTest = UiTest;

class DemoWindow : public Form {
  public:
    DemoWindow() : Form(Options()) { FormCreate(); }

    static FormOptions Options() {
        FormOptions options;
        options.caption = "   Natalo - The Birthday Manager";
        options.clientWidth = 658;
        options.clientHeight = 499;
        options.borderIcons = {true, true, true, true};
        options.frame.cornerRadius = 8;
        options.frame.borderWidth = 1;
        return options;
    }

    MenuBar menu{*this};
    ListView list{*this, {0, 0, 658, 274}, true};
    Label firstName{*this, {16, 294, 0, 0}, "First Name: Anna"};
    Label lastName{*this, {16, 310, 0, 0}, "Last Name: M\xFCller"};
    Label address{*this,
                  {16, 326, 0, 0},
                  "Address: Hauptstra\xDF"
                  "e 5"};
    Label city{*this, {16, 341, 0, 0}, "City: 80331"};
    Label cityName{*this, {80, 341, 0, 0}, "M\xFCnchen"};
    Label birthday{*this, {183, 296, 0, 0}, "Birthday: 3/15/1970"};
    Label phone{*this, {183, 312, 0, 0}, "Telephone: 089 123456"};
    Label email{*this, {327, 296, 0, 0}, "email: anna@example.org"};
    LinkLabel url{*this, {327, 312, 0, 0}, "URL: www.example.org"};
    GroupBox hints{*this, {16, 378, 449, 105}, " Hints  "};
    Label hint{hints, {12, 24, 420, 60}, "", false};
    Button add{*this, {496, 282, 150, 65}, "&Add"};
    Button show{*this, {496, 354, 150, 41}, "&Show Birthdays"};
    Button tell{*this, {496, 402, 149, 25}, "&Tell friends about Natalo"};
    Button about{*this, {496, 435, 150, 23}, "About"};
    Button closeWindow{*this, {496, 466, 150, 23}, "&Close Window"};

  private:
    void FormCreate() {
        PopupMenu& data = menu.AddMenu("&Data");
        data.AddItem("&Import", [] {});
        data.AddItem("&Export", [] {});
        for (auto [caption, width] :
             std::initializer_list<std::pair<const char*, int>>{{"", 0},
                                                                {"Last Name", 100},
                                                                {"First Name", 100},
                                                                {"Birthday", 80},
                                                                {"City", 100},
                                                                {"Telephone", 80},
                                                                {"email", 150}}) {
            list.AddColumn(caption, width);
        }
        list.SetTextCallback([](int row, int column) -> std::string {
            static const char* rows[][7] = {
                {"1", "Adler", "Anna", "3/15/1970", "Hamburg", "040 55501", "anna@example.org"},
                {"2", "bauer", "Bernd", "7/1/1985", "Berlin", "030 55502", "bernd@example.org"},
                {"3", "M\xFCller", "Anna", "3/15/1970", "M\xFCnchen", "089 123456",
                 "anna@example.org"},
                {"4", "\xC4hm", "J\xFCrgen", "12/24/1960", "K\xF6ln", "0221 55504", ""},
                {"5", "Zander", "Zoe", "2/29/2000", "Wien", "+43 1 55505", "zoe@example.org"}};
            return rows[row][column];
        });
        list.SetItemCount(5);
        list.SetSelectedIndex(2);
        for (Label* bold : {&firstName, &lastName}) {
            bold->SetFont(FontSpec::Points("MS Sans Serif", 8).Bold());
        }
        hint.SetWordWrap(true);
        hint.SetText(
            "Double-click an address to change it, right-click it for more. Click a column "
            "header to sort the list by that column.");
        hint.SetTextColour(RGB(90, 90, 90));
    }
};

TEST_F(DemoTest, ShowsTheThemedWindowOnScreenAndSavesAScreenshot) {
    DemoWindow window;
    window.Show();
    const COLORREF border = window.Frame().Style().borderColour;
    EXPECT_TRUE(ScreenShows(window.Handle(), "ui-demo.png", [&](const Screenshot& shot) {
        // The selected row in the highlight, the row above it with its texts.
        const RECT selected = shot.ListRow(window.list.Handle(), 2);
        return AllOf({HasActiveTitleBand(shot, window),
                      shot.HasColourAt({shot.Width() / 2, shot.Height() - 1}, border),
                      natalo::testing::ShowsEveryText(shot, window.Handle()),
                      shot.HasColourIn(selected, ::GetSysColor(COLOR_HIGHLIGHT)),
                      shot.HasMarksIn(shot.ListRow(window.list.Handle(), 1))});
    }));
}

}  // namespace
}  // namespace natalo::ui::testing
