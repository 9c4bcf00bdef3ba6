// TInput, the main window: address list, details panel, add, change and delete.
#include "addressbook/main_window.h"

#include <algorithm>
#include <stdexcept>

#include "addressbook/address_editor.h"
#include "addressbook/tray_menu.h"
#include "platform/date_format.h"
#include "ui/application.h"
#include "ui/message_dialog.h"

namespace natalo {
namespace {

constexpr int kClientWidth = 658;
constexpr int kClientHeight = 499;
constexpr int kPanelHeight = 225;
constexpr int kPanelTop = kClientHeight - kPanelHeight;
constexpr int kButtonLeft = 496;

struct ColumnSpec {
    const char* caption;
    int width;
};
constexpr std::array<ColumnSpec, kAddressListColumns> kColumns{{
    {"", 0},
    {"Last Name", 100},
    {"First Name", 100},
    {"Birthday", 80},
    {"Street", 0},
    {"Zip", 0},
    {"City", 100},
    {"Country", 0},
    {"Telephone", 50},
    {"Fax", 0},
    {"Mobile", 50},
    {"email", 50},
}};

struct DetailSpec {
    int left;
    int top;
    const char* initialText;
    bool bold;
};
// svname, sname, sadr, splz, sort, sland, sbdate, stel, sfax, shandy, semail, surl
constexpr std::array<DetailSpec, 12> kDetails{{
    {16, 20, "First Name: ", true},
    {16, 36, "Last Name: ", true},
    {16, 52, "Address: ", false},
    {16, 67, "City: ", false},
    {56, 67, "", false},
    {16, 83, "Country: ", false},
    {183, 22, "Birthdate: ", false},
    {183, 38, "Telephone: ", false},
    {183, 54, "Fax: ", false},
    {183, 70, "Mobile: ", false},
    {327, 22, "email: ", false},
    {327, 38, "URL: ", false},
}};

ui::FormOptions MainWindowOptions() {
    ui::FormOptions options;
    options.caption = "   Natalo - The Birthday Manager";
    options.clientWidth = kClientWidth;
    options.clientHeight = kClientHeight;
    options.borderIcons = ui::BorderIcons::None();
    options.minimumSize = {173, 63};
    return options;
}

ui::Bounds InPanel(int left, int top, int width, int height) {
    return {left, kPanelTop + top, width, height};
}

using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Whether the text begins with the prefix, ignoring case as the user's locale does (so
// that "mü" finds "Müller").
bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size())
        return false;
    const int length = static_cast<int>(prefix.size());
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), length,
                            prefix.c_str(), length) == CSTR_EQUAL;
}

}  // namespace

void SetTransparentForm(HWND window, BYTE alpha) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExA(&version))
        return;
#pragma GCC diagnostic pop
    if (version.dwPlatformId != VER_PLATFORM_WIN32_NT || version.dwMajorVersion < 5)
        return;
    // Looked up at run time: systems before Windows 2000 do not have it.
    HMODULE user32 = ::GetModuleHandleA("user32.dll");
    const auto setLayered = reinterpret_cast<SetLayeredWindowAttributesFunction>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "SetLayeredWindowAttributes")));
    if (!setLayered)
        return;
    ::SetWindowLongPtrA(window, GWL_EXSTYLE,
                        ::GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    setLayered(window, 0, alpha, LWA_ALPHA);
}

TInput::TInput(const Environment& environment, std::shared_ptr<TimerDriver> timers)
    : Form(MainWindowOptions()),
      environment_(environment),
      timers_(std::move(timers)),
      dataFile_(environment_.files, environment_.dataDirectory),
      book_(dataFile_, *this),
      menu_(*this),
      lvHeaders_(*this, {0, 0, kClientWidth, kPanelTop}, /*hotTracking=*/true),
      hints_(*this, InPanel(16, 104, 449, 105), " Hints  "),
      cmdAdd_(*this, InPanel(kButtonLeft, 8, 150, 65), "&Add"),
      cmdBirthdays_(*this, InPanel(kButtonLeft, 80, 150, 41), "&Show Birthdays"),
      cmdTellFriends_(*this, InPanel(kButtonLeft, 128, 149, 25), "&Tell friends about Natalo"),
      cmdAbout_(*this, InPanel(kButtonLeft, 161, 150, 23), "About"),
      cmdClose_(*this, InPanel(kButtonLeft, 192, 150, 23), "&Close Window") {
    ui::PopupMenu& data = menu_.AddMenu("&Data");
    importCommand_ = data.AddItem("&Import", [this] { ImportClick(); });
    exportCommand_ = data.AddItem("&Export", [this] { ExportClick(); });
    exportVCardCommand_ = data.AddItem("Export as &vCard ...", [this] { ExportVCardClick(); });
    exportCalendarCommand_ =
        data.AddItem("Export birthdays as i&Calendar ...", [this] { ExportCalendarClick(); });

    for (const ColumnSpec& column : kColumns)
        lvHeaders_.AddColumn(column.caption, column.width);
    lvHeaders_.SetTextCallback([this](int row, int column) -> std::string {
        if (row < 0)
            return {};
        return list_.Text(static_cast<std::size_t>(row), column - 1);
    });
    lvHeaders_.OnClick([this](int) { DetailsClick(); });
    lvHeaders_.OnDoubleClick([this](int) { ChangeClick(); });
    lvHeaders_.OnColumnClick([this](int column) { ColumnClick(column); });
    lvHeaders_.OnFindPrefix(
        [this](const std::string& typed, int start) { return FindLastName(typed, start); });
    listMenu_.AddItem("Change address", [this] { ChangeClick(); });
    listMenu_.AddSeparator();
    listMenu_.AddItem("Delete address", [this] { DeleteClick(); });
    lvHeaders_.OnContextMenu([this](int, POINT point) { listMenu_.Popup(Handle(), point); });

    for (std::size_t i = 0; i < kDetails.size(); ++i) {
        const DetailSpec& detail = kDetails[i];
        details_[i] = std::make_unique<ui::Label>(*this, InPanel(detail.left, detail.top, 0, 0),
                                                  detail.initialText);
        if (detail.bold)
            details_[i]->SetFont(ui::FontSpec::Points("MS Sans Serif", 8).Bold());
    }

    cmdAdd_.OnClick([this] { cmdAddClick(); });
    cmdBirthdays_.OnClick([this] { ShowBirthdays(); });
    cmdTellFriends_.OnClick([this] { cmdTellFriendsClick(); });
    cmdAbout_.OnClick([this] { cmdAboutClick(); });
    cmdClose_.OnClick([this] { cmdCloseClick(); });
}

void TInput::Start() {
    CreateTrayIcon();
    // A failure here (the data file cannot be opened) is reported, and start-up goes on
    // with the rest of the program.
    ui::App().Guard([this] { FormCreate(); });
}

TInput::~TInput() = default;

LRESULT TInput::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The tray must not outlive the window whose commands its icon, menu and timer run.
    if (message == WM_DESTROY)
        tray_.reset();
    // The program ends only through the tray menu's "&Close": Alt+F4 or the taskbar's
    // close command only put the window away, like "&Close Window".
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        Hide();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

void TInput::CreateTrayIcon() {
    tray_.reset();
    tray_ = std::make_unique<MainWindowTray>(*this, timers_);
}

void TInput::ReadAutostartState() {
    if (tray_)
        tray_->ReadAutostartState();
}

Tfrmerf& TInput::Editor() const {
    if (!editor_)
        throw std::logic_error("Adresseditor nicht verbunden");
    return *editor_;
}

void TInput::FormCreate() {
    book_.RefreshAfterSave = true;
    SetInitialDetails();
    ReadAutostartState();
    dataFile_.OpenDataFile();
    // Said once; every refused change then says "Dateizugriff verweigert." itself.
    if (dataFile_.IsReadOnly()) {
        ui::ShowMessage("Information", "The address book in " + environment_.dataDirectory +
                                           " can only be read. Changes cannot be saved.");
    }
    RefreshList();
}

void TInput::SetInitialDetails() {
    for (std::size_t i = 0; i < kDetails.size(); ++i)
        details_[i]->SetText(kDetails[i].initialText);
    KeepCityAfterZip();
}

void TInput::RefreshList() {
    // The list shows what was read even when the scan stops at a damaged tail.
    struct ShowRows {
        TInput& window;
        ~ShowRows() {
            window.lvHeaders_.SetSelectedIndex(-1);
            window.lvHeaders_.SetItemCount(static_cast<int>(window.list_.Size()));
            window.lvHeaders_.Refresh();
        }
    } showRows{*this};
    list_.Clear();
    list_.Rebuild(dataFile_, environment_.regional);
}

void TInput::ShowRecordDetails(const AddressRecord& r) {
    const std::array<std::string, 12> texts{
        "First Name: " + r.FirstName,
        "Last Name: " + r.LastName,
        "Address: " + r.Street,
        "City: " + r.Zip,
        r.City,
        "Country: " + r.Country,
        "Birthday: " + ShortDateText(r.Birthday, environment_.regional),
        "Telephone: " + r.Phone,
        "Fax: " + r.Fax,
        "Mobile: " + r.Mobile,
        "email: " + r.Email,
        "URL: " + r.Url,
    };
    for (std::size_t i = 0; i < texts.size(); ++i)
        details_[i]->SetText(texts[i]);
    KeepCityAfterZip();
}

void TInput::KeepCityAfterZip() {
    // The city stands at its place unless a long postal code reaches it; then it moves
    // right, so that neither text hides the other.
    constexpr std::size_t kZip = 3, kCity = 4;
    const ui::Bounds zip = details_[kZip]->GetBounds();
    ui::Bounds city = details_[kCity]->GetBounds();
    city.left = std::max(Scaled(kDetails[kCity].left), zip.left + zip.width + Scaled(4));
    details_[kCity]->SetBounds(city);
}

void TInput::DetailsClick() {
    const long index = list_.RecordIndexOfRow(lvHeaders_.SelectedIndex());
    if (index < 0)
        return;
    ShowRecordDetails(dataFile_.ReadRecord(static_cast<std::size_t>(index)));
}

void TInput::ChangeClick() {
    const long index = list_.RecordIndexOfRow(lvHeaders_.SelectedIndex());
    if (index < 0)
        return;
    Tfrmerf& editor = Editor();
    editor.ShowRecord(dataFile_.ReadRecord(static_cast<std::size_t>(index)));
    book_.RecordIndex = index;
    editor.ShowModal();
}

void TInput::cmdAddClick() {
    Tfrmerf& editor = Editor();
    book_.RecordIndex = -1;
    dataFile_.SeekEnd();
    cmdAdd_.SetEnabled(false);
    editor.ShowModal();
}

void TInput::DeleteClick() {
    const long index = list_.RecordIndexOfRow(lvHeaders_.SelectedIndex());
    if (index < 0)
        return;
    book_.DeleteRecord(static_cast<std::size_t>(index));
}

int TInput::FindLastName(const std::string& typed, int start) const {
    const std::size_t rows = list_.Size();
    if (typed.empty() || rows == 0)
        return -1;
    for (std::size_t step = 0; step < rows; ++step) {
        const std::size_t row = (static_cast<std::size_t>(start) + step) % rows;
        if (StartsWithIgnoringCase(list_.Text(row, 0), typed))
            return static_cast<int>(row);
    }
    return -1;
}

void TInput::ColumnClick(int column) {
    list_.SortByColumn(column, environment_.regional);
    lvHeaders_.Refresh();
}

void TInput::ShowBirthdays() {
    HideBirthdayWindow();
    Hide();
    connections_.showNewBirthdayWindow();
}

void TInput::HideBirthdayWindow() {
    connections_.hideBirthdayWindow();
}

void TInput::cmdTellFriendsClick() {
    Hide();
    connections_.showTellAFriend();
}

void TInput::cmdAboutClick() {
    HideBirthdayWindow();
    connections_.showAbout();
}

void TInput::ImportClick() {
    connections_.importList();
}

void TInput::ExportClick() {
    connections_.exportList();
}

void TInput::ExportVCardClick() {
    connections_.exportVCards();
}

void TInput::ExportCalendarClick() {
    connections_.exportCalendar();
}

}  // namespace natalo
