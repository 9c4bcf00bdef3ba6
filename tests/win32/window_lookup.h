// Looking at windows, of this process or of another: their texts, classes and children,
// and what a dialog shows. WM_GETTEXT, the class and child enumeration and BM_CLICK work
// across processes, also for controls.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32_handle.h"

namespace natalo::testing {

inline std::string WindowText(HWND window) {
    char text[1024];
    const LRESULT length =
        ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return std::string(text, static_cast<std::size_t>(std::clamp<LRESULT>(length, 0, 1023)));
}

inline std::string ClassNameOf(HWND window) {
    char name[256];
    const int length = ::GetClassNameA(window, name, sizeof name);
    return std::string(name, static_cast<std::size_t>(std::max(length, 0)));
}

// The children at any depth, in creation order.
inline std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

inline std::vector<std::string> ChildTexts(HWND parent) {
    std::vector<std::string> texts;
    for (HWND child : ChildWindows(parent))
        texts.push_back(WindowText(child));
    return texts;
}

// The first child (at any depth) of the window class (any case) and, unless null, with
// this text; null when there is none.
inline HWND FindChild(HWND parent, const std::string& className, const char* text = nullptr) {
    for (HWND child : ChildWindows(parent)) {
        if (::lstrcmpiA(ClassNameOf(child).c_str(), className.c_str()) == 0 &&
            (!text || WindowText(child) == text)) {
            return child;
        }
    }
    return nullptr;
}
inline HWND FindChild(HWND parent, const std::string& className, const std::string& text) {
    return FindChild(parent, className, text.c_str());
}

inline bool HasChildOfClass(HWND window, const std::string& className) {
    return FindChild(window, className) != nullptr;
}

// An icon drawn over white, as 0x00RRGGBB pixels.
inline std::vector<DWORD> IconPixels(HICON icon, int size) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!bitmap || !bits)
        return {};
    SelectedObject selected(dc.get(), bitmap.get());
    const RECT all{0, 0, size, size};
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    ::GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    return {first, first + static_cast<std::size_t>(size) * static_cast<std::size_t>(size)};
}

// Whether two icons draw the same picture at `size` pixels (two loads of one image are
// different handles).
inline bool SameIconPicture(HICON a, HICON b, int size = 32) {
    return a && b && IconPixels(a, size) == IconPixels(b, size);
}

// Which of the system's message icons a dialog's icon shows: "information", "warning",
// "error" or "question"; "other" for another picture.
inline std::string SystemIconName(HICON icon) {
    const std::pair<LPCSTR, const char*> known[] = {{IDI_INFORMATION, "information"},
                                                    {IDI_WARNING, "warning"},
                                                    {IDI_ERROR, "error"},
                                                    {IDI_QUESTION, "question"}};
    for (const auto& [id, name] : known) {
        if (SameIconPicture(icon, ::LoadIconA(nullptr, id)))
            return name;
    }
    return "other";
}

// What a dialog window (a message box, a message dialog) shows.
struct DialogSeen {
    std::string caption;
    std::string text;                  // its static texts that are not empty, one line each
    std::vector<std::string> buttons;  // in creation order
    std::string icon;                  // SystemIconName of its icon; empty when it shows none
    RECT rect{};
};

inline DialogSeen ReadDialog(HWND dialog) {
    DialogSeen seen;
    seen.caption = WindowText(dialog);
    ::GetWindowRect(dialog, &seen.rect);
    for (HWND child : ChildWindows(dialog)) {
        const std::string kind = ClassNameOf(child);
        const std::string text = WindowText(child);
        if (::lstrcmpiA(kind.c_str(), "Button") == 0) {
            seen.buttons.push_back(text);
        } else if (::lstrcmpiA(kind.c_str(), "Static") != 0) {
            continue;
        } else if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.icon =
                SystemIconName(reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0)));
        } else if (!text.empty()) {
            seen.text += (seen.text.empty() ? "" : "\n") + text;
        }
    }
    return seen;
}

// Clicks the button with this caption (its & marks aside); false when there is none.
inline bool ClickButton(HWND dialog, const std::string& caption) {
    for (HWND child : ChildWindows(dialog)) {
        std::string text = WindowText(child);
        text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
        if (::lstrcmpiA(ClassNameOf(child).c_str(), "Button") == 0 && text == caption) {
            ::PostMessageA(child, BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

}  // namespace natalo::testing
