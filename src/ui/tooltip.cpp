#include "ui/tooltip.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/dpi_scale.h"

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

// An area tool of the owner, named by the window's control id.
TTTOOLINFOA AreaInfo(HWND owner, HWND tool) {
    TTTOOLINFOA info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = static_cast<UINT_PTR>(::GetDlgCtrlID(tool));
    RECT area{};
    ::GetWindowRect(tool, &area);
    ::MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&area), 2);
    info.rect = area;
    return info;
}

}  // namespace

Tooltip::Tooltip(HWND owner, int dpi)
    : owner_(owner),
      handle_(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr)) {
    DpiChanged(dpi);
}

void Tooltip::DpiChanged(int dpi) {
    ::SendMessageA(handle_, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kMaximumTipWidth, dpi));
    for (HWND tool : areaTools_)
        UpdateArea(tool);
}

void Tooltip::SetAreaTip(HWND tool, const std::string& text) {
    RemoveTip(tool);
    if (text.empty())
        return;
    TTTOOLINFOA info = AreaInfo(owner_, tool);
    info.lpszText = const_cast<char*>(text.c_str());
    ::SendMessageA(handle_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    areaTools_.push_back(tool);
}

void Tooltip::UpdateArea(HWND tool) {
    TTTOOLINFOA info = AreaInfo(owner_, tool);
    ::SendMessageA(handle_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
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
    if (auto area = std::find(areaTools_.begin(), areaTools_.end(), tool);
        area != areaTools_.end()) {
        info = AreaInfo(owner_, tool);
        areaTools_.erase(area);
    }
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
