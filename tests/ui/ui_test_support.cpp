#include "ui_test_support.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "platform/win32_handle.h"

namespace natalo::ui::testing {
namespace {

struct LaterAction {
    std::function<void()> action;
    DWORD due;  // tick count
};

std::map<UINT_PTR, LaterAction>& LaterActions() {
    static std::map<UINT_PTR, LaterAction> actions;
    return actions;
}

void CALLBACK RunLaterTimer(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    auto found = LaterActions().find(id);
    if (found == LaterActions().end())
        return;
    auto action = std::move(found->second.action);
    LaterActions().erase(found);
    action();
}

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
    return TRUE;
}

LPARAM KeyLParam(UINT virtualKey, bool up, bool alt) {
    UINT scan = ::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM lParam = 1 | (static_cast<LPARAM>(scan) << 16);
    if (alt)
        lParam |= 1 << 29;
    if (up)
        lParam |= (1u << 30) | (1u << 31);
    return lParam;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    DWORD start = ::GetTickCount();
    while (!done()) {
        if (static_cast<int>(::GetTickCount() - start) > timeoutMs)
            return false;
        App().ProcessMessages();
        if (done())
            break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

void Pump(int milliseconds) {
    DWORD start = ::GetTickCount();
    do {
        App().ProcessMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
    } while (static_cast<int>(::GetTickCount() - start) < milliseconds);
    App().ProcessMessages();
}

bool WaitUntilRunLaterIsDue(int timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (const auto& [id, later] : LaterActions()) {
        // Its time has come and the queue holds an expired timer.
        while (static_cast<int>(::GetTickCount() - later.due) < 0 ||
               !(LOWORD(::GetQueueStatus(QS_TIMER)) & QS_TIMER)) {
            if (static_cast<int>(::GetTickCount() - start) > timeoutMs)
                return false;
            ::Sleep(1);
        }
    }
    return true;
}

void PressKey(HWND window, UINT virtualKey) {
    ::PostMessageA(window, WM_KEYDOWN, virtualKey, KeyLParam(virtualKey, false, false));
    ::PostMessageA(window, WM_KEYUP, virtualKey, KeyLParam(virtualKey, true, false));
    Pump(10);
}

void PressShiftKey(HWND window, UINT virtualKey) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    const BYTE shift = keys[VK_SHIFT];
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    PressKey(window, virtualKey);
    keys[VK_SHIFT] = shift;
    ::SetKeyboardState(keys);
}

void PressAltKey(HWND window, char letter) {
    UINT key = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(letter)));
    ::PostMessageA(window, WM_SYSKEYDOWN, key, KeyLParam(key, false, true));
    ::PostMessageA(window, WM_SYSKEYUP, key, KeyLParam(key, true, true));
    Pump(10);
}

void WhenMenuOpens(std::function<void()> action) {
    // Runs once a menu is open (the menu runs its own loop, which serves the timer), or when
    // none opened in time.
    struct Waiting {
        static void Once(std::function<void()> action, DWORD deadline) {
            RunLater([action = std::move(action), deadline]() mutable {
                const HWND menu = ::FindWindowA("#32768", nullptr);
                if (!(menu && ::IsWindowVisible(menu)) &&
                    static_cast<LONG>(deadline - ::GetTickCount()) > 0) {
                    Once(std::move(action), deadline);
                    return;
                }
                action();
            });
        }
    };
    Waiting::Once(std::move(action), ::GetTickCount() + 5000);
}

void TypeIntoOpenMenu(HWND owner, std::vector<UINT> keys) {
    WhenMenuOpens([owner, keys] {
        for (UINT key : keys) {
            ::PostMessageA(owner, WM_KEYDOWN, key, 1);
            ::PostMessageA(owner, WM_KEYUP, key, 1 | (3u << 30));
        }
    });
}

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    ::GetClientRect(window, &rect);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND FindChild(HWND parent, const std::string& className, const std::string& text) {
    std::vector<HWND> children;
    ::EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        char name[128] = {};
        ::GetClassNameA(child, name, sizeof name);
        if (::lstrcmpiA(name, className.c_str()) == 0 && WindowText(child) == text)
            return child;
    }
    return nullptr;
}

namespace {

template <class F>
void WithClientBitmap(HWND window, F&& inspect) {
    RECT client{};
    ::GetClientRect(window, &client);
    HDC screen = ::GetDC(nullptr);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, client.right, client.bottom));
    ::ReleaseDC(nullptr, screen);
    SelectedObject selected(dc.get(), bitmap.get());
    ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()),
                   PRF_CLIENT | PRF_ERASEBKGND);
    inspect(dc.get(), client);
}

}  // namespace

COLORREF ClientPixel(HWND window, int x, int y) {
    COLORREF colour = CLR_INVALID;
    WithClientBitmap(window, [&](HDC dc, const RECT&) { colour = ::GetPixel(dc, x, y); });
    return colour;
}

bool ClientHasColour(HWND window, COLORREF colour) {
    bool found = false;
    WithClientBitmap(window, [&](HDC dc, const RECT& client) {
        for (int y = 0; y < client.bottom && !found; ++y) {
            for (int x = 0; x < client.right && !found; ++x)
                found = ::GetPixel(dc, x, y) == colour;
        }
    });
    return found;
}

::testing::AssertionResult ScreenShows(HWND window, const char* fileName,
                                       const natalo::testing::ScreenCheck& check) {
    return natalo::testing::ShowsOnScreen(window, fileName, check, [] { App().ProcessMessages(); });
}

::testing::AssertionResult HasActiveTitleBand(const Screenshot& shot, Form& form) {
    const ThemedFrame& frame = form.Frame();
    const RECT band = frame.TitleBandRect(form.Handle());
    LONG right = band.right;
    for (FrameButton button : {FrameButton::Minimize, FrameButton::Maximize, FrameButton::Close}) {
        const RECT rect = frame.ButtonRect(form.Handle(), button);
        if (!::IsRectEmpty(&rect))
            right = std::min(right, rect.left);
    }
    const FrameStyle& style = frame.Style();
    return shot.HasColourAt({right - 2, (band.top + band.bottom) / 2},
                            BlendColour(style.titleTop, style.titleBottom, 128), 2);
}

void RunLater(std::function<void()> action, int delayMs) {
    UINT_PTR id = ::SetTimer(nullptr, 0, static_cast<UINT>(delayMs), &RunLaterTimer);
    // Shorter delays are raised to the minimum.
    const DWORD delay = std::max<DWORD>(static_cast<DWORD>(delayMs), USER_TIMER_MINIMUM);
    LaterActions()[id] = {std::move(action), ::GetTickCount() + delay};
}

void UiTest::SetUp() {
    App().Initialize(::GetModuleHandleA(nullptr));
    App().SetTitle("Der Zozerodivodurorudu");
    App().Resume();
    App().SetExceptionSink([this](const std::string& text) { errors_.push_back(text); });
    // Windows come up at 96 DPI whatever the display's, unless a test chooses another.
    App().SetDpiSource([](HWND) { return kLayoutDpi; });
}

void UiTest::TearDown() {
    Pump(5);
    // A safety net still waiting must not run in a later test, over a fixture that is gone.
    for (const auto& [id, later] : LaterActions())
        ::KillTimer(nullptr, id);
    LaterActions().clear();
    App().SetExceptionSink(nullptr);
    App().SetDpiSource(nullptr);
    App().Resume();
    EXPECT_TRUE(App().Forms().empty()) << "a test left forms behind";
}

FormOptions TestForm::DefaultOptions() {
    FormOptions options;
    options.caption = "Test form";
    options.clientWidth = 320;
    options.clientHeight = 200;
    return options;
}

}  // namespace natalo::ui::testing
