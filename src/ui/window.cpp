#include "ui/window.h"

#include <commctrl.h>

#include <set>
#include <stdexcept>

#include "ui/application.h"

namespace natalo::ui {
namespace {

constexpr UINT_PTR kSubclassId = 0x4E41;  // one subclass of ours per control

// Asks a subclassed control for its object (comctl32's GetWindowSubclass is not in the
// MinGW import library, and this needs no second store of the pointer).
UINT BoundObjectQuery() {
    static const UINT message = ::RegisterWindowMessageA("Natalo.BoundWindowObject");
    return message;
}
constexpr WPARAM kQueryMagic = 0x4E61746Cu;

// The child a parent notification comes from, when the message carries one.
HWND NotifyingChild(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_HSCROLL:
        case WM_VSCROLL:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return lParam ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : nullptr;
        case WM_DRAWITEM:
            return wParam && lParam ? reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
        default:
            return nullptr;
    }
}

// A window the program needs could not be made: the program cannot go on with the
// command (or the start-up) that wanted it, and the user is told why.
[[noreturn]] void ThrowCreationError(const char* what, const char* className) {
    const DWORD code = ::GetLastError();
    std::string text = std::string(what) + " (" + className + ")";
    char reason[256] = {};
    if (code != 0 && ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, reason, sizeof reason, nullptr) > 0) {
        std::string systemText(reason);
        while (!systemText.empty() && (systemText.back() == '\n' || systemText.back() == '\r' ||
                                       systemText.back() == '.' || systemText.back() == ' ')) {
            systemText.pop_back();
        }
        text += ": " + systemText;
    }
    throw std::runtime_error(text);
}

}  // namespace

Window::~Window() {
    DestroyHandle();
}

void Window::DestroyHandle() {
    if (handle_)
        ::DestroyWindow(handle_);
}

std::string Window::Text() const {
    if (!handle_)
        return {};
    int length = ::GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
    return text;
}

void Window::SetText(const std::string& text) {
    ::SetWindowTextA(handle_, text.c_str());
}

bool Window::Enabled() const {
    return handle_ && ::IsWindowEnabled(handle_);
}

void Window::SetEnabled(bool enabled) {
    ::EnableWindow(handle_, enabled);
}

bool Window::Visible() const {
    return handle_ && ::IsWindowVisible(handle_);
}

Bounds Window::GetBounds() const {
    RECT rect{};
    ::GetWindowRect(handle_, &rect);
    if (HWND parent = ::GetParent(handle_);
        parent && (::GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD)) {
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    }
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Window::SetBounds(const Bounds& bounds) {
    ::SetWindowPos(handle_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

int Window::Dpi() const {
    HWND root = handle_ ? ::GetAncestor(handle_, GA_ROOT) : nullptr;
    if (Window* top = FromHandle(root); top && top != this)
        return top->Dpi();
    return App().DpiOf(handle_);
}

RECT Window::ClientRect() const {
    RECT rect{};
    ::GetClientRect(handle_, &rect);
    return rect;
}

void Window::Invalidate() const {
    ::InvalidateRect(handle_, nullptr, TRUE);
}

Window* Window::FromHandle(HWND window) {
    if (!window)
        return nullptr;
    if (::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId())
        return nullptr;
    if (reinterpret_cast<WNDPROC>(::GetClassLongPtrA(window, GCLP_WNDPROC)) ==
        &Window::OwnClassProc) {
        return reinterpret_cast<Window*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    return reinterpret_cast<Window*>(::SendMessageA(window, BoundObjectQuery(), kQueryMagic, 0));
}

void Window::RegisterOwnClass(const char* className, UINT classStyle, LPCSTR cursor) {
    static std::set<std::string> registered;
    if (registered.contains(className))
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &Window::OwnClassProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, cursor);
    windowClass.lpszClassName = className;
    // Only a class that exists is remembered: a failed registration is tried again, and
    // said, the next time a window of the class is wanted.
    if (!::RegisterClassExA(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        ThrowCreationError("Fehler beim Registrieren der Fensterklasse", className);
    registered.insert(className);
}

void Window::CreateOwn(const char* className, DWORD exStyle, DWORD style, const Bounds& bounds,
                       HWND parent, HMENU menuOrId, const std::string& text) {
    HWND window = ::CreateWindowExA(exStyle, className, text.c_str(), style, bounds.left,
                                    bounds.top, bounds.width, bounds.height, parent, menuOrId,
                                    ::GetModuleHandleA(nullptr), this);
    if (!window)
        ThrowCreationError("Fehler beim Erzeugen des Fensters", className);
}

void Window::CreateSubclassed(const char* className, DWORD exStyle, DWORD style,
                              const Bounds& bounds, HWND parent, int id, const std::string& text) {
    HWND window = ::CreateWindowExA(exStyle, className, text.c_str(), style, bounds.left,
                                    bounds.top, bounds.width, bounds.height, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    ::GetModuleHandleA(nullptr), nullptr);
    if (!window)
        ThrowCreationError("Fehler beim Erzeugen des Fensters", className);
    handle_ = window;
    subclassed_ = true;
    ::SetWindowSubclass(window, &Window::SubclassProc, kSubclassId,
                        reinterpret_cast<DWORD_PTR>(this));
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    if (subclassed_)
        return ::DefSubclassProc(handle_, message, wParam, lParam);
    return ::DefWindowProcA(handle_, message, wParam, lParam);
}

bool Window::HandleNotification(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND child = NotifyingChild(message, wParam, lParam);
    if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) != handle_) {
        child = reinterpret_cast<HWND>(wParam);
    }
    if (child && child != handle_) {
        if (Window* source = FromHandle(child)) {
            LRESULT result = 0;
            if (source->HandleNotification(message, wParam, lParam, result))
                return result;
        }
    }
    return HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK Window::OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self)
            self->handle_ = window;
    }
    if (!self)
        return ::DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        App().HandleCurrentException();
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
    }
    return result;
}

LRESULT CALLBACK Window::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<Window*>(data);
    if (message == BoundObjectQuery() && wParam == kQueryMagic) {
        return reinterpret_cast<LRESULT>(self);
    }
    if (message == WM_NCDESTROY) {
        // The last message: unbind, then let the control clean up after itself.
        ::RemoveWindowSubclass(window, &Window::SubclassProc, kSubclassId);
        self->handle_ = nullptr;
        self->subclassed_ = false;
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        App().HandleCurrentException();
    }
    return result;
}

}  // namespace natalo::ui
