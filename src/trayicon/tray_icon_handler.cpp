#include "trayicon/tray_icon_handler.h"

#include "trayicon/tray_icon.h"
#include "ui/menu.h"

namespace natalo {

std::shared_ptr<TTrayIconHandler> TTrayIconHandler::Instance() {
    static std::weak_ptr<TTrayIconHandler> shared;
    std::shared_ptr<TTrayIconHandler> handler = shared.lock();
    if (!handler) {
        handler = std::make_shared<TTrayIconHandler>(Key{});
        shared = handler;
    }
    return handler;
}

TTrayIconHandler::TTrayIconHandler(Key)
    : window_([this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
          return HandleMessage(window, message, wParam, lParam);
      }) {}

UINT TTrayIconHandler::Register(TTrayIcon& icon) {
    const UINT id = nextIconId_++;
    icons_[id] = &icon;
    return id;
}

void TTrayIconHandler::Unregister(UINT iconId) {
    icons_.erase(iconId);
}

LRESULT TTrayIconHandler::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kTrayCallbackMessage: {
            // An id the handler did not give out (a stale or forged callback) reaches nobody.
            auto found = icons_.find(static_cast<UINT>(wParam));
            if (found != icons_.end())
                found->second->HandleNotification(static_cast<unsigned>(lParam));
            return 0;
        }
        case WM_COMMAND:
            // A popup menu of an icon without an owner form reports its choice here.
            if (lParam == 0)
                ui::DispatchMenuCommand(LOWORD(wParam));
            return 0;
        case WM_DESTROY:
        case WM_CLOSE:
        case WM_QUERYENDSESSION:
        case WM_QUIT:
        case WM_ENDSESSION:
        case WM_NCDESTROY:
            // Nobody closes this window from outside, and it never holds up a session's end.
            return 1;
        default:
            return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace natalo
