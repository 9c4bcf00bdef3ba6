// TForm1, the tell-a-friend window.
#include "reminder/tell_a_friend_window.h"

#include <string>

#include "reminder/natalo_addresses.h"

namespace natalo {
namespace {

ui::FormOptions TellAFriendOptions() {
    ui::FormOptions options;
    options.caption = "Natalo";
    options.clientWidth = 268;
    options.clientHeight = 249;
    options.closeOnEscape = true;
    options.placement = ui::Placement::CenterOnEveryShow;
    return options;
}

// Word-wrapped labels keep their width and take the height their text needs.
void WrapAt(ui::Label& label, int width) {
    ui::Bounds bounds = label.LayoutBounds();
    bounds.width = width;
    label.SetLayoutBounds(bounds);
    label.SetWordWrap(true);
}

}  // namespace

TForm1::TForm1(Shell& shell)
    : Form(TellAFriendOptions()),
      shell_(shell),
      title_(*this, {24, 48, 109, 0}, "Tell a friend about Natalo!"),
      text_(*this, {24, 87, 224, 0},
            "Click the following Link if you would like to send our Software  to your friends "
            "or colleges."),
      link_(*this, {64, 152, 0, 0}, "Tell a friend about Natalo"),
      close_(*this, {72, 200, 115, 33}, "close window") {
    FormCreate();
}

void TForm1::FormCreate() {
    title_.SetFont(ui::FontSpec::Points("MS Sans Serif", 8).Bold());
    WrapAt(title_, 109);
    WrapAt(text_, 224);
    link_.SetFont(ui::FontSpec::Points("MS Sans Serif", 8).Underlined());
    link_.SetHoverColour(RGB(255, 0, 0));
    link_.OnClick([this] { shell_.Open(std::string(kTellAFriendPage)); });
    close_.OnClick([this] { Close(); });
}

}  // namespace natalo
