// Real Win32 menus with command callbacks: PopupMenu (shown at a screen point) and
// MenuBar (the menus of a form's menu strip). Every item gets a command id unique in the
// process; choosing it sends WM_COMMAND to the owner window, and the form hands it to
// DispatchMenuCommand, which runs the item's callback.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32_handle.h"

namespace natalo::ui {

class Form;

// Runs the callback of a menu command; false when the id is not a menu command.
bool DispatchMenuCommand(UINT id);

class PopupMenu {
  public:
    PopupMenu();
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    HMENU Handle() const { return menu_.get(); }
    // Adds an item (caption with & mnemonic) and returns its command id.
    int AddItem(const std::string& caption, std::function<void()> onClick);
    void AddSeparator();
    void SetChecked(int id, bool checked);
    bool Checked(int id) const;
    void SetEnabled(int id, bool enabled);
    // The item drawn bold, chosen by a double click on a tray icon for instance.
    void SetDefaultItem(int id);
    int ItemCount() const;
    std::string ItemCaption(int position) const;

    // Shows the menu at a screen point and returns when it closes. The chosen item's
    // command is posted to `owner` (a form), so its callback runs from the message loop.
    void Popup(HWND owner, POINT screenPoint, bool selectFirstItem = false);

  private:
    UniqueMenu menu_;
    std::vector<int> ids_;
};

class MenuBar {
  public:
    // Installs the menu strip on the form (the form's client size stays the same).
    explicit MenuBar(Form& form);
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // Adds a top-level menu (caption with & mnemonic) and returns it for its items.
    PopupMenu& AddMenu(const std::string& caption);
    // The bar as a menu handle, for reading its structure.
    HMENU Handle() const { return bar_.get(); }
    // Opens a top-level menu below its strip item. Left and Right in an open menu move
    // to the neighbouring menu, as in a standard menu bar.
    void Open(int index, bool byKeyboard);

  private:
    static LRESULT CALLBACK MenuKeyFilter(int code, WPARAM wParam, LPARAM lParam);

    Form& form_;
    UniqueMenu bar_;
    std::vector<std::unique_ptr<PopupMenu>> menus_;
    std::vector<std::string> captions_;
    int pendingIndex_ = -1;  // the neighbour to open after the current menu closed
};

}  // namespace natalo::ui
