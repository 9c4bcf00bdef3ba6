#include "ui/menu.h"

#include <map>

#include "ui/application.h"
#include "ui/form.h"

namespace natalo::ui {
namespace {

// Menu command ids live above the control ids, below the system commands.
constexpr int kFirstCommandId = 0x8000;
constexpr int kLastCommandId = 0xEFFF;

std::map<int, std::function<void()>>& Commands() {
    static std::map<int, std::function<void()>> commands;
    return commands;
}

int NewCommandId() {
    static int next = kFirstCommandId;
    for (int tries = 0; tries <= kLastCommandId - kFirstCommandId; ++tries) {
        int id = next;
        next = next >= kLastCommandId ? kFirstCommandId : next + 1;
        if (!Commands().contains(id))
            return id;
    }
    return 0;
}

}  // namespace

bool DispatchMenuCommand(UINT id) {
    auto found = Commands().find(static_cast<int>(id));
    if (found == Commands().end())
        return false;
    auto callback = found->second;  // a copy: the callback may rebuild the menu
    if (callback)
        callback();
    return true;
}

PopupMenu::PopupMenu() : menu_(::CreatePopupMenu()) {}

PopupMenu::~PopupMenu() {
    for (int id : ids_)
        Commands().erase(id);
}

int PopupMenu::AddItem(const std::string& caption, std::function<void()> onClick) {
    int id = NewCommandId();
    Commands()[id] = std::move(onClick);
    ids_.push_back(id);
    ::AppendMenuA(menu_.get(), MF_STRING, static_cast<UINT_PTR>(id), caption.c_str());
    return id;
}

void PopupMenu::AddSeparator() {
    ::AppendMenuA(menu_.get(), MF_SEPARATOR, 0, nullptr);
}

void PopupMenu::SetChecked(int id, bool checked) {
    ::CheckMenuItem(menu_.get(), static_cast<UINT>(id),
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool PopupMenu::Checked(int id) const {
    return (::GetMenuState(menu_.get(), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void PopupMenu::SetEnabled(int id, bool enabled) {
    ::EnableMenuItem(menu_.get(), static_cast<UINT>(id),
                     MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void PopupMenu::SetDefaultItem(int id) {
    ::SetMenuDefaultItem(menu_.get(), static_cast<UINT>(id), FALSE);
}

int PopupMenu::ItemCount() const {
    return ::GetMenuItemCount(menu_.get());
}

std::string PopupMenu::ItemCaption(int position) const {
    char text[256] = {};
    ::GetMenuStringA(menu_.get(), static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

void PopupMenu::Popup(HWND owner, POINT screenPoint, bool selectFirstItem) {
    // The owner must be in front, or the menu does not close when the user clicks away.
    ::SetForegroundWindow(owner);
    if (selectFirstItem)
        ::PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
    ::TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenPoint.x,
                     screenPoint.y, 0, owner, nullptr);
    ::PostMessageA(owner, WM_NULL, 0, 0);
}

MenuBar::MenuBar(Form& form) : form_(form), bar_(::CreateMenu()) {}

MenuBar::~MenuBar() {
    // The popups belong to their PopupMenu objects, not to the bar.
    while (::GetMenuItemCount(bar_.get()) > 0)
        ::RemoveMenu(bar_.get(), 0, MF_BYPOSITION);
    if (form_.Exists())
        form_.SetMenuStrip({}, nullptr);
}

PopupMenu& MenuBar::AddMenu(const std::string& caption) {
    menus_.push_back(std::make_unique<PopupMenu>());
    captions_.push_back(caption);
    ::AppendMenuA(bar_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(menus_.back()->Handle()),
                  caption.c_str());
    form_.SetMenuStrip(captions_, [this](int index, bool byKeyboard) { Open(index, byKeyboard); });
    return *menus_.back();
}

namespace {
MenuBar* trackingBar = nullptr;  // the bar whose menu is open (one at a time per thread)
}  // namespace

LRESULT CALLBACK MenuBar::MenuKeyFilter(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_MENU && trackingBar && message->message == WM_KEYDOWN &&
        (message->wParam == VK_LEFT || message->wParam == VK_RIGHT)) {
        int count = static_cast<int>(trackingBar->menus_.size());
        int step = message->wParam == VK_RIGHT ? 1 : count - 1;
        trackingBar->pendingIndex_ = (trackingBar->pendingIndex_ + step) % count;
        ::EndMenu();
        return TRUE;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void MenuBar::Open(int index, bool byKeyboard) {
    if (index < 0 || index >= static_cast<int>(menus_.size()) || trackingBar)
        return;
    HWND window = form_.Handle();
    HHOOK hook =
        ::SetWindowsHookExA(WH_MSGFILTER, &MenuBar::MenuKeyFilter, nullptr, ::GetCurrentThreadId());
    trackingBar = this;
    while (index >= 0 && form_.Exists()) {
        pendingIndex_ = index;
        RECT item = form_.Frame().MenuItemRect(window, index);
        RECT bounds{};
        ::GetWindowRect(window, &bounds);
        form_.Frame().SetOpenMenuItem(window, index);
        menus_[index]->Popup(window, {bounds.left + item.left, bounds.top + item.bottom},
                             byKeyboard);
        // Left or Right set a neighbour: open it, its first item selected.
        index = pendingIndex_ != index ? pendingIndex_ : -1;
        byKeyboard = true;
    }
    trackingBar = nullptr;
    if (hook)
        ::UnhookWindowsHookEx(hook);
    if (form_.Exists())
        form_.Frame().SetOpenMenuItem(window, -1);
}

}  // namespace natalo::ui
