#include "ui/list_view.h"

#include <commctrl.h>

#include <algorithm>

namespace natalo::ui {

ListView::ListView(Window& parent, const Bounds& bounds, bool hotTracking)
    : Control(parent, bounds, "", WC_LISTVIEWA,
              LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA | WS_TABSTOP,
              WS_EX_CLIENTEDGE, Kind::Standard) {
    DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    if (hotTracking)
        extended |= LVS_EX_TRACKSELECT;
    ::SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
}

int ListView::AddColumn(const std::string& caption, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(caption.c_str());
    column.cx = Scaled(width);
    int index = ColumnCount();
    column.iSubItem = index;
    return static_cast<int>(
        ::SendMessageA(Handle(), LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

void ListView::DpiChanged(int oldDpi, int newDpi) {
    Control::DpiChanged(oldDpi, newDpi);
    for (int column = 0, count = ColumnCount(); column < count; ++column) {
        const int width = ::MulDiv(ColumnWidth(column), newDpi, oldDpi);
        ::SendMessageA(Handle(), LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
    }
}

int ListView::ColumnCount() const {
    auto header = reinterpret_cast<HWND>(::SendMessageA(Handle(), LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int ListView::ColumnWidth(int column) const {
    return static_cast<int>(::SendMessageA(Handle(), LVM_GETCOLUMNWIDTH, column, 0));
}

void ListView::SetItemCount(int count) {
    ::SendMessageA(Handle(), LVM_SETITEMCOUNT, count, 0);
    Refresh();
}

int ListView::ItemCount() const {
    return static_cast<int>(::SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0));
}

std::string ListView::ItemText(int row, int column) const {
    char buffer[1024] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    ::SendMessageA(Handle(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void ListView::Refresh() {
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

int ListView::SelectedIndex() const {
    return static_cast<int>(
        ::SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::SetSelectedIndex(int row) {
    // Only the row that is selected and the one that is focused (single selection):
    // clearing "all rows" would visit each row of a long list.
    LVITEMA clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    for (const UINT state : {LVNI_SELECTED, LVNI_FOCUSED}) {
        const auto marked =
            ::SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), state);
        if (marked >= 0) {
            ::SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(marked),
                           reinterpret_cast<LPARAM>(&clear));
        }
    }
    if (row < 0)
        return;
    LVITEMA select{};
    select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(Handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&select));
    ::SendMessageA(Handle(), LVM_ENSUREVISIBLE, row, FALSE);
}

bool ListView::HandleNotification(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY)
        return false;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    result = 0;
    switch (header->code) {
        case LVN_GETDISPINFOA: {
            auto& item = reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
            if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
                cellText_ = textOf_ ? textOf_(item.iItem, item.iSubItem) : std::string();
                ::lstrcpynA(item.pszText, cellText_.c_str(), item.cchTextMax);
            }
            return true;
        }
        case LVN_GETDISPINFOW: {
            // The list asks in Unicode when its parent is a Unicode window.
            auto& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
            if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
                cellText_ = textOf_ ? textOf_(item.iItem, item.iSubItem) : std::string();
                int length = ::MultiByteToWideChar(CP_ACP, 0, cellText_.c_str(), -1, nullptr, 0);
                wideCellText_.assign(static_cast<size_t>(length), L'\0');
                ::MultiByteToWideChar(CP_ACP, 0, cellText_.c_str(), -1, wideCellText_.data(),
                                      length);
                ::lstrcpynW(item.pszText, wideCellText_.c_str(), item.cchTextMax);
            }
            return true;
        }
        case LVN_ODFINDITEMA:
        case LVN_ODFINDITEMW: {
            // Only the list's own search as the user types: a prefix of a row's text.
            result = -1;
            const bool wide = header->code == LVN_ODFINDITEMW;
            const auto& find = reinterpret_cast<NMLVFINDITEMA*>(lParam)->lvfi;
            if (!onFindPrefix_ || !(find.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.psz)
                return true;
            std::string typed;
            if (wide) {
                const auto* text = reinterpret_cast<const wchar_t*>(find.psz);
                const int length =
                    ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
                typed.assign(static_cast<std::size_t>(std::max(length, 1)), '\0');
                ::WideCharToMultiByte(CP_ACP, 0, text, -1, typed.data(), length, nullptr, nullptr);
                typed.resize(typed.size() - 1);
            } else {
                typed = find.psz;
            }
            const int start = reinterpret_cast<NMLVFINDITEMA*>(lParam)->iStart;
            result = onFindPrefix_(typed, std::max(start, 0));
            return true;
        }
        case LVN_COLUMNCLICK:
            if (onColumnClick_)
                onColumnClick_(reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem);
            return true;
        case NM_CLICK:
            if (onClick_)
                onClick_(reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem);
            return true;
        case NM_DBLCLK:
            if (onDoubleClick_)
                onDoubleClick_(reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem);
            return true;
        default:
            return false;
    }
}

LRESULT ListView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU && onContextMenu_) {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        int row = -1;
        if (lParam == -1) {
            // From the keyboard: at the selected row, or the list's corner.
            row = SelectedIndex();
            RECT rect{};
            if (row >= 0) {
                rect.left = LVIR_BOUNDS;
                ::SendMessageA(Handle(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
            }
            point = {rect.left + 8, rect.bottom};
            ::ClientToScreen(Handle(), &point);
        } else {
            LVHITTESTINFO hit{};
            hit.pt = point;
            ::ScreenToClient(Handle(), &hit.pt);
            row = static_cast<int>(
                ::SendMessageA(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        }
        onContextMenu_(row, point);
        return 0;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace natalo::ui
