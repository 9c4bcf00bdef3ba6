#include "ui/edit.h"

namespace natalo::ui {
namespace {

constexpr size_t kUnlimited = 0x7FFFFFFE;
// A position beyond any text: the control takes it as the end (cheaper than asking for
// the length, which converts the whole text).
constexpr LPARAM kTextEnd = 0x7FFFFFFF;

DWORD MemoStyle(Memo::ScrollBars scrollBars, bool wordWrap) {
    DWORD style = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!wordWrap)
        style |= ES_AUTOHSCROLL;
    if (scrollBars == Memo::ScrollBars::Vertical || scrollBars == Memo::ScrollBars::Both) {
        style |= WS_VSCROLL;
    }
    if (scrollBars == Memo::ScrollBars::Horizontal || scrollBars == Memo::ScrollBars::Both) {
        style |= WS_HSCROLL;
    }
    return style;
}

}  // namespace

EditBase::EditBase(Window& parent, const Bounds& bounds, const std::string& text, DWORD style)
    : Control(parent, bounds, text, "EDIT", style | WS_TABSTOP, WS_EX_CLIENTEDGE, Kind::Standard) {
    SetMaxLength(0);
}

void EditBase::SetMaxLength(size_t length) {
    ::SendMessageA(Handle(), EM_SETLIMITTEXT, length == 0 ? kUnlimited : length, 0);
}

void EditBase::SetReadOnly(bool readOnly) {
    ::SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0);
}

bool EditBase::ReadOnly() const {
    return (::GetWindowLongA(Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

void EditBase::SelectAll() {
    ::SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

bool EditBase::HandleNotification(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        if (onChange_)
            onChange_();
        result = 0;
        return true;
    }
    if (message == WM_CTLCOLORSTATIC) {
        // A read-only edit keeps the window colour, not the form's.
        auto dc = reinterpret_cast<HDC>(wParam);
        ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        result = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
        return true;
    }
    return false;
}

Edit::Edit(Window& parent, const Bounds& bounds, const std::string& text)
    : EditBase(parent, bounds, text, ES_AUTOHSCROLL | ES_LEFT) {}

Memo::Memo(Window& parent, const Bounds& bounds, const std::string& text, ScrollBars scrollBars,
           bool wordWrap)
    : EditBase(parent, bounds, text, MemoStyle(scrollBars, wordWrap)) {}

LRESULT Memo::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        const LRESULT code = EditBase::HandleMessage(message, wParam, lParam);
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN &&
            (key->wParam == VK_TAB || key->wParam == VK_ESCAPE)) {
            return code & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
        }
        return code;
    }
    return EditBase::HandleMessage(message, wParam, lParam);
}

std::vector<std::string> Memo::Lines() const {
    std::vector<std::string> lines;
    std::string text = Text();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            if (start < text.size())
                lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void Memo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    SetText(text);
}

void Memo::AppendLine(const std::string& line) {
    int length = ::GetWindowTextLengthA(Handle());
    ::SendMessageA(Handle(), EM_SETSEL, length, length);
    std::string text = line + "\r\n";
    ::SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void Memo::AppendText(std::string_view text) {
    const std::string piece(text);  // the control wants it terminated
    ::SendMessageA(Handle(), EM_SETSEL, kTextEnd, kTextEnd);
    ::SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
}

void Memo::DeleteFront(std::string_view front) {
    const int characters =
        ::MultiByteToWideChar(CP_ACP, 0, front.data(), static_cast<int>(front.size()), nullptr, 0);
    ::SendMessageA(Handle(), EM_SETSEL, 0, characters);
    ::SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
    ScrollToStart();
}

void Memo::ScrollToStart() {
    ::SendMessageA(Handle(), EM_SETSEL, 0, 0);
    ::SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

}  // namespace natalo::ui
