#include "ui/application.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <new>

#include "platform/win32_handle.h"
#include "ui/display_dpi.h"
#include "ui/form.h"

namespace natalo::ui {
namespace {

// Keys that move the focus or open a menu: once they are used, focus cues are shown.
bool IsNavigationKey(const MSG& message) {
    if (message.message == WM_SYSKEYDOWN)
        return true;  // Alt, for the mnemonics and the menus
    if (message.message != WM_KEYDOWN)
        return false;
    switch (message.wParam) {
        case VK_TAB:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            return true;
        default:
            return false;
    }
}

}  // namespace

Application& App() {
    static Application application;
    return application;
}

HICON ProgramIcon(int size) {
    static std::map<int, UniqueIcon> icons;
    if (auto found = icons.find(size); found != icons.end())
        return found->second.get();
    UniqueIcon icon(
        LoadIconForSize(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconId), size));
    if (!icon)
        icon.reset(LoadIconForSize(nullptr, IDI_APPLICATION, size));
    if (!icon)
        return ::LoadIconA(nullptr, IDI_APPLICATION);  // shared by the system
    return icons.emplace(size, std::move(icon)).first->second.get();
}

void Application::SetDpiSource(DpiSource source) {
    dpiSource_ = std::move(source);
}

int Application::DpiOf(HWND window) const {
    if (dpiSource_)
        return dpiSource_(window);
    return window ? SystemDpiOfWindow(window) : SystemDpi();
}

void Application::Initialize(HINSTANCE instance) {
    instance_ = instance;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES |
                                                       ICC_BAR_CLASSES | ICC_LINK_CLASS |
                                                       ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
}

void Application::Run() {
    if (showMainForm_ && mainForm_ && mainForm_->Exists() && !terminated_)
        mainForm_->Show();
    while (!terminated_) {
        if (!HandleMessage())
            break;
    }
}

void Application::ProcessMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        Dispatch(message);
    }
}

bool Application::HandleMessage() {
    MSG message;
    BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        terminated_ = true;
        return false;
    }
    Dispatch(message);
    return true;
}

// Keyboard messages go to the form they belong to first (PreTranslateMessage), then to
// the dialog manager of that form (Tab, Shift+Tab, Enter, Escape, Alt+letter), and only
// when neither took them are they translated and dispatched. Each message takes exactly
// one of these paths, so a form sees each key message once.
void Application::Dispatch(MSG& message) {
    try {
        if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST && message.hwnd) {
            Form* form = Form::FromAnyWindow(message.hwnd);
            if (form && form->Exists()) {
                if (IsNavigationKey(message))
                    form->KeyboardNavigationUsed();
                if (form->PreTranslateMessage(message))
                    return;
                if (form->Exists() && ::IsDialogMessageA(form->Handle(), &message))
                    return;
            }
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    } catch (...) {
        HandleCurrentException();
    }
}

void Application::ShowException(const std::exception& error) {
    ShowErrorText(std::string(error.what()) + ".");
}

void Application::HandleCurrentException() noexcept {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        // A file too large for memory, say: the library's own text means nothing to a user.
        ShowErrorText("Zu wenig Arbeitsspeicher.");
    } catch (const std::exception& error) {
        ShowErrorText(std::string(error.what()) + ".");
    } catch (...) {
        ShowErrorText("Unbekannter Fehler.");
    }
}

void Application::ShowErrorText(const std::string& text) noexcept {
    try {
        if (exceptionSink_) {
            exceptionSink_(text);
            return;
        }
    } catch (...) {
        // The sink is a test aid; its own failures must not leave a window procedure.
        return;
    }
    ::MessageBoxA(::GetActiveWindow(), text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

void Application::AddForm(Form& form) {
    forms_.push_back(&form);
    if (!mainForm_)
        mainForm_ = &form;
}

void Application::RemoveForm(Form& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
    if (mainForm_ == &form)
        mainForm_ = nullptr;
}

WaitCursor::WaitCursor() : previous_(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {
    ++App().busy_;
}

WaitCursor::~WaitCursor() {
    --App().busy_;
    ::SetCursor(previous_);
}

}  // namespace natalo::ui
