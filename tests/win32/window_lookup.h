// Looking at windows, of this process or of another: their texts, classes and children.
// WM_GETTEXT and the class and child enumeration work across processes, also for controls.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

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

}  // namespace natalo::testing
