// TfrmDisp, the birthday window.
#include "reminder/birthday_window.h"

#include <algorithm>
#include <span>

#include "addressbook/main_window.h"
#include "platform/date_format.h"
#include "reminder/birthday_lists.h"
#include "reminder/birthday_windows.h"
#include "reminder/browser_window.h"
#include "reminder/natalo_addresses.h"
#include "reminder/resource_pictures.h"
#include "reminder/volume_serial.h"
#include "resource_ids.h"
#include "ui/application.h"

namespace natalo {
namespace {

constexpr char kCaption[] = "   Natalo - The Birthday Manager";
constexpr COLORREF kBackground = RGB(233, 233, 233);
constexpr COLORREF kBandTop = RGB(47, 111, 189);
constexpr COLORREF kBandBottom = RGB(36, 92, 164);
constexpr int kClientWidth = 372;
constexpr int kClientHeight = 571;
constexpr int kBorderWidth = 4;  // 372 + 2 * 4 = the normal outer width of 380
constexpr int kPictureLeft = 0;
constexpr int kPictureTop = 32;
constexpr int kEnlargeSteps = 26;  // 380 + 3 * i for i = 0 .. 25
constexpr BYTE kOpacity = 240;
constexpr Artwork kPicture{IDR_BIRTHDAY_PICTURE, IDR_BIRTHDAY_PICTURE_2X};

ui::FormOptions BirthdayWindowOptions() {
    ui::FormOptions options;
    options.caption = kCaption;
    options.clientWidth = kClientWidth;
    options.clientHeight = kClientHeight;
    options.borderIcons = ui::BorderIcons::None();
    options.alwaysOnTop = true;
    options.minimumSize = {173, 63};
    options.placement = ui::Placement::CenterOnEveryShow;
    // The title band is drawn inside the client area (see Paint), so that the layout's
    // coordinates are client coordinates; the frame is only the border around it.
    options.frame.titleHeight = 0;
    options.frame.showIcon = false;
    options.frame.borderWidth = kBorderWidth;
    options.frame.borderColour = kBandBottom;
    options.background = kBackground;
    options.font = ui::FontSpec::Pixels("MS Sans Serif", 11);
    return options;
}

}  // namespace

TfrmDisp::TfrmDisp(BirthdayWindows& family)
    : Form(BirthdayWindowOptions()),
      family_(family),
      input_(family.Input()),
      picture_(LoadArtwork(kPicture, Dpi())),
      label3_(*this, {9, 333, 84, 13}, "Recent Birthdays:"),
      image4_(*this, {252, 509, 33, 33}),
      image2_(*this, {289, 511, 33, 33}),
      image3_(*this, {325, 514, 36, 33}),
      image5_(*this, {341, 466, 20, 31}),
      image6_(*this, {420, 466, 20, 31}),
      urlLabel1_(*this, {4, 544, 169, 11}, ""),
      labels_(std::make_unique<ScheduleLabels>()) {
    FormCreate();
}

void TfrmDisp::FormCreate() {
    label3_.SetFont(ui::FontSpec::Points("MS Sans Serif", 8));

    struct PictureSpec {
        ui::PictureButton& button;
        int icon;
        int size;
        const char* hint;
        void (TfrmDisp::*click)();
    };
    const PictureSpec pictures[] = {
        {image4_, IDI_BUTTON_PRINT, 32, "print birthdays", &TfrmDisp::Image4Click},
        {image2_, IDI_BUTTON_EDIT, 32, "edit birthdays", &TfrmDisp::Button2Click},
        {image3_, IDI_BUTTON_CLOSE, 32, "close window", &TfrmDisp::Button1Click},
        {image5_, IDI_BUTTON_ENLARGE, 16, "enlarge window", &TfrmDisp::Image5Click},
        {image6_, IDI_BUTTON_SHRINK, 16, "make window smaller", &TfrmDisp::Image6Click},
    };
    for (const PictureSpec& picture : pictures) {
        picture.button.SetIcon(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(picture.icon),
                               picture.size);
        picture.button.SetHint(picture.hint);
        picture.button.OnClick([this, click = picture.click] { (this->*click)(); });
    }

    urlLabel1_.SetFont(ui::FontSpec::Pixels("Tahoma", 9).Underlined());
    urlLabel1_.SetHoverColour(RGB(255, 0, 0));
    urlLabel1_.SetShowAccelChar(false);
    urlLabel1_.OnClick([this] { input_.Env().shell.Open(std::string(kMakerWebSite)); });
    // The shrink picture lies beyond the client area until the window is enlarged: Tab
    // must not reach it before.
    image6_.SetVisible(false);

    SetTransparentForm(Handle(), kOpacity);
    const Environment& environment = input_.Env();
    SetFrameCaption(std::string(kCaption) + " - " +
                    ShortDateText(DateValue(environment.clock.Today()), environment.regional));
}

void TfrmDisp::FormShow() {
    const CivilDate today = input_.Env().clock.Today();
    urlLabel1_.SetText("\xA9 " + std::to_string(kMakerNoticeFirstYear) + "-" +
                       std::to_string(today.year) + " " + std::string(kMakerName));
    // A read failure is reported; the window still shows its fixed parts.
    ui::App().Guard([this] { BuildSchedule(); });
}

void TfrmDisp::BuildSchedule() {
    labels_ = std::make_unique<ScheduleLabels>();
    const Environment& environment = input_.Env();
    DataFile& data = input_.Data();

    // The whole records are read only for the few people placed in the column.
    BirthdayScheduleBuilder builder(environment.clock.Today(), environment.regional,
                                    VolumeSerialHex());
    const std::size_t remembered = data.Position();
    data.ScanRecordBlocks([&builder](std::size_t, std::span<const std::byte> records) {
        builder.AddRecords(records);
    });
    data.Seek(remembered);

    BirthdaySchedule schedule = std::move(builder).Finish();
    BirthdayLists& lists = family_.Lists();
    for (const LinkTableEntry& entry : schedule.linkEntries)
        lists.linkTable.Store(entry);
    lists.printList = std::move(schedule.printList);

    LinkActions actions;
    actions.openGift = [this](int index) { OpenWebBrowser(index); };
    actions.openGreeting = [this](int index) { OpenWebBrowserAutomat(index); };
    actions.openMail = [this](const std::string& url) { input_.Env().shell.Open(url); };
    labels_->Build(*this, schedule, actions);
    // Reading order: the coming column's links, then the pictures and the notice below.
    std::vector<ui::Control*> order = labels_->Commands();
    order.insert(order.end(), {&image5_, &image4_, &image2_, &image3_, &image6_, &urlLabel1_});
    SetTabOrder(order);
}

void TfrmDisp::EscapePressed() {
    Button1Click();
}

void TfrmDisp::Paint(HDC dc) {
    const RECT client = ClientRect();
    const int bandHeight = Scaled(kTitleBandHeight);
    const RECT band{0, 0, client.right, bandHeight};
    ui::FillVerticalGradient(dc, band, kBandTop, kBandBottom);
    const int iconSize = Scaled(16);
    const int iconLeft = Scaled(8);
    ::DrawIconEx(dc, iconLeft, (bandHeight - iconSize) / 2, ui::ProgramIcon(iconSize), iconSize,
                 iconSize, 0, nullptr, DI_NORMAL);
    RECT text{iconLeft + iconSize + Scaled(4), 0, client.right - Scaled(6), bandHeight};
    const std::string caption = FrameCaption();
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    SelectedObject font(dc, ui::CachedFont(ui::FontSpec::Pixels("Tahoma", 13).Bold(), Dpi()));
    ::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    DrawBitmap(dc, picture_.get(), Scaled(kPictureLeft), Scaled(kPictureTop));
}

void TfrmDisp::DpiChanged() {
    picture_ = LoadArtwork(kPicture, Dpi());
}

LRESULT TfrmDisp::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = Form::HandleMessage(message, wParam, lParam);
    if (message == WM_NCHITTEST && result == HTCLIENT) {
        // The title band drawn in the client area moves the window like a title bar.
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ::ScreenToClient(Handle(), &point);
        if (point.y < Scaled(kTitleBandHeight))
            return HTCAPTION;
    }
    return result;
}

void TfrmDisp::FadeOut() {
    // A second click during the fade must not start a fade inside the fade.
    if (fading_)
        return;
    fading_ = true;
    for (int alpha = kOpacity; alpha >= 0 && Exists(); --alpha) {
        SetTransparentForm(Handle(), static_cast<BYTE>(alpha));
        ui::App().ProcessMessages();
    }
    fading_ = false;
    Hide();
}

void TfrmDisp::Button1Click() {
    FadeOut();
}

void TfrmDisp::Button2Click() {
    FadeOut();
    TInput& input = input_;
    input.Show();
    input.SetWindowState(ui::WindowState::Normal);
}

void TfrmDisp::Image4Click() {
    FadeOut();
    family_.PrintBirthdays()();
}

TfrmDisp& TfrmDisp::Latest() {
    TfrmDisp* current = family_.Current();
    return current ? *current : *this;
}

void TfrmDisp::Image5Click() {
    TfrmDisp& latest = Latest();
    for (int i = 0; i < kEnlargeSteps; ++i)
        latest.SetOuterWidth(kNormalWidth + 3 * i);
    latest.image6_.SetVisible(true);
}

void TfrmDisp::Image6Click() {
    TfrmDisp& latest = Latest();
    latest.SetOuterWidth(kNormalWidth);
    latest.image6_.SetVisible(false);
}

void TfrmDisp::OpenWebBrowser(int linkIndex) {
    if (const LinkRecord* entry = family_.Lists().linkTable.Find(linkIndex))
        OpenInBrowserWindow(entry->GiftUrl());
}

void TfrmDisp::OpenWebBrowserAutomat(int linkIndex) {
    if (const LinkRecord* entry = family_.Lists().linkTable.Find(linkIndex))
        OpenInBrowserWindow(entry->GreetingUrl());
}

void TfrmDisp::OpenInBrowserWindow(const std::string& url) {
    TForm3& browser = family_.Browser();
    const bool shownHere = browser.Navigate(url);
    Latest().Hide();
    if (shownHere)
        browser.Show();
}

}  // namespace natalo
