#include "trayicon/hidden_window.h"

#include <stdexcept>

#include "ui/application.h"

namespace natalo {
namespace {

constexpr char kUtilityWindowClass[] = "NataloUtilityWindow";

void RegisterUtilityClass() {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kUtilityWindowClass;
        return ::RegisterClassExA(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

HiddenWindow::HiddenWindow(MessageHandler handler) : handler_(std::move(handler)) {
    RegisterUtilityClass();
    // Created with the default procedure and switched to ours once it exists, so the
    // handler never runs for a half-made window.
    window_.reset(::CreateWindowExA(WS_EX_TOOLWINDOW, kUtilityWindowClass, "", WS_POPUP, 0, 0, 0, 0,
                                    nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
    if (!window_)
        throw std::runtime_error("Fehler beim Erzeugen eines Fensters");
    ::SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrA(window_.get(), GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(&HiddenWindow::Procedure));
}

HiddenWindow::~HiddenWindow() {
    if (window_) {
        ::SetWindowLongPtrA(window_.get(), GWLP_WNDPROC,
                            reinterpret_cast<LONG_PTR>(&::DefWindowProcA));
        ::SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
    }
}

LRESULT CALLBACK HiddenWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HiddenWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || !self->handler_)
        return ::DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->handler_(window, message, wParam, lParam);
    } catch (...) {
        ui::App().HandleCurrentException();
        return 0;
    }
}

}  // namespace natalo
