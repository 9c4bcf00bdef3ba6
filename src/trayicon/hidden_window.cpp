#include "trayicon/hidden_window.h"

namespace natalo {
namespace {

constexpr char kUtilityWindowClass[] = "NataloUtilityWindow";

}  // namespace

HiddenWindow::HiddenWindow(MessageHandler handler) : handler_(std::move(handler)) {
    RegisterOwnClass(kUtilityWindowClass, 0, IDC_ARROW);
    CreateOwn(kUtilityWindowClass, WS_EX_TOOLWINDOW, WS_POPUP, {}, nullptr, nullptr, "");
    created_ = true;
}

LRESULT HiddenWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!created_ || !handler_)
        return DefaultHandling(message, wParam, lParam);
    return handler_(Handle(), message, wParam, lParam);
}

}  // namespace natalo
