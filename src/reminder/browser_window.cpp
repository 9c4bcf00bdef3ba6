// TForm3, the web browser window.
#include "reminder/browser_window.h"

#include "resource_ids.h"

namespace natalo {
namespace {

ui::FormOptions BrowserWindowOptions() {
    ui::FormOptions options;
    options.caption = "  Natalo - The Birthday Manager";
    options.clientWidth = 583;
    options.clientHeight = 485;
    options.closeOnEscape = true;
    options.borderIcons = {.systemMenu = true, .minimize = false, .maximize = false, .close = true};
    options.alwaysOnTop = true;
    options.placement = ui::Placement::CenterOnEveryShow;
    options.frame.cornerRadius = 13;
    options.frame.borderWidth = 3;
    options.frame.borderColour = RGB(0, 44, 200);
    return options;
}

constexpr int kIconSize = 32;

}  // namespace

TForm3::TForm3(Shell& shell)
    : Form(BrowserWindowOptions()),
      shell_(shell),
      webBrowser1_(*this, {0, 36, 583, 400}),
      back_(*this, {12, 441, 36, 33}),
      forward_(*this, {52, 441, 36, 33}),
      cancel1_(*this, {92, 441, 36, 33}),
      cancel2_(*this, {132, 441, 36, 33}),
      closeBrowser_(*this, {448, 448, 121, 27}, "Close Browser") {
    FormCreate();
}

void TForm3::FormCreate() {
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    back_.SetIcon(module, MAKEINTRESOURCEA(IDI_BROWSER_BACK), kIconSize);
    back_.SetHint("Back");
    back_.OnClick([this] { BackClick(); });
    forward_.SetIcon(module, MAKEINTRESOURCEA(IDI_BROWSER_FORWARD), kIconSize);
    forward_.SetHint("Forward");
    forward_.OnClick([this] { ForwardClick(); });
    for (ui::PictureButton* cancel : {&cancel1_, &cancel2_}) {
        cancel->SetIcon(module, MAKEINTRESOURCEA(IDI_BROWSER_STOP), kIconSize);
        cancel->SetHint("Cancel");
        cancel->OnClick([this] { CancelClick(); });
    }
    closeBrowser_.OnClick([this] { Close(); });
}

bool TForm3::Navigate(const std::string& url) {
    lastUrl_ = url;
    if (webBrowser1_.Navigate(url))
        return true;
    shell_.Open(url);
    return false;
}

}  // namespace natalo
