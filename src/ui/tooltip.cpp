#include "ui/tooltip.h"

#include <commctrl.h>

namespace natalo::ui {
namespace {

constexpr int kMaximumTipWidth = 400;  // wide enough for a name, and lets "\r\n" break lines

TTTOOLINFOA ToolInfo(HWND owner, HWND tool) {
    TTTOOLINFOA info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    return info;
}

}  // namespace

Tooltip::Tooltip(HWND owner)
    : owner_(owner),
      handle_(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr)) {
    ::SendMessageA(handle_, TTM_SETMAXTIPWIDTH, 0, kMaximumTipWidth);
}

Tooltip::~Tooltip() {
    if (::IsWindow(handle_))
        ::DestroyWindow(handle_);
}

void Tooltip::SetTip(HWND tool, const std::string& text) {
    if (text.empty()) {
        RemoveTip(tool);
        return;
    }
    TTTOOLINFOA info = ToolInfo(owner_, tool);
    info.lpszText = const_cast<char*>(text.c_str());
    if (HasTip(tool)) {
        ::SendMessageA(handle_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    } else {
        ::SendMessageA(handle_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void Tooltip::RemoveTip(HWND tool) {
    TTTOOLINFOA info = ToolInfo(owner_, tool);
    ::SendMessageA(handle_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

bool Tooltip::HasTip(HWND tool) const {
    TTTOOLINFOA info = ToolInfo(owner_, tool);
    return ::SendMessageA(handle_, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

std::string Tooltip::TipText(HWND tool) const {
    if (!HasTip(tool))
        return {};
    char buffer[1024] = {};
    TTTOOLINFOA info = ToolInfo(owner_, tool);
    info.lpszText = buffer;
    ::SendMessageA(handle_, TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&info));
    return buffer;
}

}  // namespace natalo::ui
