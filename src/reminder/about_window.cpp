// TAbout, the About box.
#include "reminder/about_window.h"

#include <string>

#include "reminder/natalo_addresses.h"
#include "reminder/resource_pictures.h"
#include "resource_ids.h"

namespace natalo {
namespace {

constexpr int kClientWidth = 269;

ui::FormOptions AboutOptions() {
    ui::FormOptions options;
    options.caption = "About";
    options.clientWidth = kClientWidth;
    options.clientHeight = 271;
    options.closeOnEscape = true;
    options.placement = ui::Placement::CenterOnEveryShow;
    options.frame.borderColour = RGB(127, 127, 127);
    options.frame.borderWidth = 1;
    options.background = RGB(255, 255, 255);
    return options;
}

constexpr int kLogoLeft = 44;
constexpr int kLogoTop = 56;
constexpr int kFirstAddressTop = 136;
constexpr int kAddressLineStep = 16;  // five lines from y 136 to y 200
constexpr Artwork kLogo{IDR_NATALO_LOGO, IDR_NATALO_LOGO_2X};

// "http://www.natalo.example/" shows as "www.natalo.example".
std::string ShownAddress(std::string_view url) {
    std::string shown(url);
    if (shown.starts_with("http://"))
        shown.erase(0, 7);
    if (shown.ends_with('/'))
        shown.pop_back();
    return shown;
}

}  // namespace

TAbout::TAbout(Shell& shell)
    : Form(AboutOptions()),
      shell_(shell),
      logo_(LoadArtwork(kLogo, Dpi())),
      webSite_(*this, {103, 224, 0, 0}, ShownAddress(kMakerWebSite)),
      greetingSite_(*this, {100, 240, 0, 0}, ShownAddress(kGreetingServiceWebSite)) {
    FormCreate();
}

void TAbout::FormCreate() {
    for (std::size_t i = 0; i < addressLines_.size(); ++i) {
        const int top = kFirstAddressTop + static_cast<int>(i) * kAddressLineStep;
        auto line = std::make_unique<ui::Label>(*this, ui::Bounds{0, top, 0, 0},
                                                std::string(kMakerAddressLines[i]));
        line->SetShowAccelChar(false);
        if (i == 0)
            line->SetFont(ui::FontSpec::Points("MS Sans Serif", 8).Bold());
        line->CentreBetween(0, kClientWidth);  // under the logo
        // The address is part of the free area: a click on it closes the box too.
        line->OnClick([this] { Close(); });
        addressLines_[i] = std::move(line);
    }
    for (ui::LinkLabel* link : {&webSite_, &greetingSite_})
        link->SetHoverColour(RGB(255, 0, 0));
    webSite_.OnClick([this] { shell_.Open(std::string(kMakerWebSite)); });
    greetingSite_.OnClick([this] { shell_.Open(std::string(kGreetingServiceWebSite)); });
}

void TAbout::Paint(HDC dc) {
    DrawBitmap(dc, logo_.get(), Scaled(kLogoLeft), Scaled(kLogoTop));
}

void TAbout::DpiChanged() {
    logo_ = LoadArtwork(kLogo, Dpi());
}

LRESULT TAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONUP) {
        Close();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace natalo
