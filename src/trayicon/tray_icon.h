// TTrayIcon: one icon in the taskbar notification area. It turns the shell's callbacks
// into events (TrayIconBehaviour), shows its popup menu at the cursor, sends the program
// to the tray when it is minimised, and puts its icon back when the taskbar is re-created.
//
// The application window of this framework is the application's main form: it carries the
// taskbar button. The icon watches it (minimise, restore, "TaskbarCreated") and, when it
// has an owner form, that form too (minimise, showing).
//
// Set the properties, then call Loaded() once, as the owner's creation would:
//
//     TTrayIcon icon(&form);
//     icon.SetIcon(ui::ProgramIcon());
//     icon.SetPopupMenu(&menu);
//     icon.OnClick = [&] { ... };
//     icon.SetIconVisible(true);
//     icon.Loaded();
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "platform/win32_handle.h"
#include "trayicon/tray_icon_behaviour.h"
#include "trayicon/tray_icon_handler.h"

namespace natalo {

namespace ui {
class Form;
class PopupMenu;
}  // namespace ui

class TTrayIcon : public TrayIconBehaviour {
  public:
    static constexpr UINT kTrayCallbackMessage = TTrayIconHandler::kTrayCallbackMessage;
    // The message the shell broadcasts when the taskbar was re-created; 0 with common
    // controls older than 4.71, which do not send it.
    static UINT TaskbarCreatedMessage();

    // `owner` may be null (no owner window: no minimise handling, no start-up event). The
    // click, cycle and exit timers run on `timers`, the system's timers when none is given.
    explicit TTrayIcon(ui::Form* owner, std::shared_ptr<TimerDriver> timers = nullptr);
    ~TTrayIcon() override;

    // A copy of the given icon is kept (the caller keeps its own).
    HICON Icon() const { return icon_.get(); }
    void SetIcon(HICON icon);

    // Not owned. Setting it starts again at image 0.
    HIMAGELIST IconList() const { return iconList_; }
    void SetIconList(HIMAGELIST list);

    // Not owned. The menu opens by itself on the right button only while
    // PopupMenuAutoPopup is on (the default).
    ui::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(ui::PopupMenu* menu) { popupMenu_ = menu; }
    bool PopupMenuAutoPopup() const { return popupAutoPopup_; }
    void SetPopupMenuAutoPopup(bool autoPopup) { popupAutoPopup_ = autoPopup; }

    // Where the shell sends the callbacks, and under which id.
    HWND HandlerWindow() const { return handler_->Window(); }
    UINT IconId() const { return iconId_; }
    HWND ApplicationWindow() const { return applicationWindow_; }

    // The icon data as the next shell call passes it.
    NOTIFYICONDATAA IconData() const;

  protected:
    bool ShellNotify(TrayShellCommand command) override;
    std::optional<ScreenPoint> CursorPosition() const override;
    TShiftState KeyboardShift() const override;
    std::uint32_t DoubleClickTime() const override;
    bool HasAutoPopupMenu() const override;
    void TrackPopupMenu(ScreenPoint at) override;
    void RunDefaultMenuItem() override;
    std::optional<int> IconListCount() const override;
    void CopyIconListImage(int index) override;
    bool HasOwnerWindow() const override;
    void HideMainForm() override;
    void SuppressMainFormShowing() override;

  private:
    static LRESULT CALLBACK ApplicationHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK OwnerWindowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
    void ApplicationMessage(UINT message, WPARAM wParam);
    bool OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void HideTaskbarButton();
    void RemoveHooks();

    std::shared_ptr<TTrayIconHandler> handler_;
    UINT iconId_ = 0;
    ui::Form* owner_;
    HWND ownerWindow_ = nullptr;
    HWND applicationWindow_ = nullptr;
    bool ownerHooked_ = false;
    bool applicationHooked_ = false;
    UniqueIcon icon_;
    HIMAGELIST iconList_ = nullptr;
    ui::PopupMenu* popupMenu_ = nullptr;
    bool popupAutoPopup_ = true;
};

}  // namespace natalo
