// TTrayIconHandler: the one hidden window of the process that receives the shell's
// callbacks for every tray icon and hands each to the icon whose id it carries. It exists
// while at least one tray icon does, and it cannot be closed from outside.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "trayicon/hidden_window.h"

namespace natalo {

class TTrayIcon;

class TTrayIconHandler {
    struct Key {};

  public:
    // The callback message of every tray icon (WM_USER + 0x400).
    static constexpr UINT kTrayCallbackMessage = 0x800;

    // The shared handler, created by the first caller; freed when the last holder lets go.
    static std::shared_ptr<TTrayIconHandler> Instance();
    explicit TTrayIconHandler(Key);
    TTrayIconHandler(const TTrayIconHandler&) = delete;
    TTrayIconHandler& operator=(const TTrayIconHandler&) = delete;

    HWND Window() const { return window_.Handle(); }
    std::size_t IconCount() const { return icons_.size(); }

    // Gives the icon the id under which the shell knows it (never 0, never reused while
    // the handler lives).
    UINT Register(TTrayIcon& icon);
    void Unregister(UINT iconId);

  private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::map<UINT, TTrayIcon*> icons_;
    UINT nextIconId_ = 1;
    HiddenWindow window_;
};

}  // namespace natalo
