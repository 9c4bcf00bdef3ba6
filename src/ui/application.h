// The one application object of the process: its title, its main form, the message loop
// and the default handler for errors that reach a window procedure.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace natalo::ui {

class Form;

// Resource id of the program icon in natalo.exe.
constexpr int kProgramIconId = 100;
// The program icon at the given size in device pixels, or the system's application icon
// when the running executable has none (as in the test programs). Kept for the process;
// never destroy it.
HICON ProgramIcon(int size = 16);

class Application {
  public:
    // Registers the common control classes (list view, date picker, tooltips, links,
    // standard classes). Call once before the first window is created; again is harmless.
    void Initialize(HINSTANCE instance);
    HINSTANCE Instance() const { return instance_; }

    // The program's title: the caption of the default error message box.
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // Whether Run() shows the main form before entering the loop (default true).
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }

    // The first form created while there is no main form. Closing it terminates the
    // application; destroying the object clears the slot.
    Form* MainForm() const { return mainForm_; }

    // Runs the message loop until Terminate() (closing the main form terminates too).
    void Run();
    // Handles every message waiting in the queue (timers, posted and sent messages
    // included) and returns.
    void ProcessMessages();
    // Waits for one message and handles it; false when WM_QUIT arrived.
    bool HandleMessage();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    // Clears a previous Terminate() so that Run() can run again (tests run several loops).
    void Resume() { terminated_ = false; }

    // The default error handler: a stop-icon message box captioned with Title(), showing
    // the text followed by a period, owned by the active window.
    void ShowException(const std::exception& error);
    // Call inside `catch (...)`: running out of memory gives "Zu wenig Arbeitsspeicher",
    // another std::exception its what(), anything else "Unbekannter Fehler".
    void HandleCurrentException() noexcept;
    // When set, receives the full text (period included) instead of the message box.
    void SetExceptionSink(std::function<void(const std::string& text)> sink) {
        exceptionSink_ = std::move(sink);
    }

    // Runs `action`, handing any exception to the default error handler.
    template <class F>
    void Guard(F&& action) noexcept {
        try {
            action();
        } catch (...) {
            HandleCurrentException();
        }
    }

    // Where windows learn the DPI they are shown at (window -> DPI; a null window asks
    // for the DPI a new window gets). By default the system tells; tests set a DPI of
    // their own, so that no test depends on the display.
    using DpiSource = std::function<int(HWND window)>;
    void SetDpiSource(DpiSource source);
    int DpiOf(HWND window) const;

    // True while a WaitCursor lives: the program's forms then show the wait cursor.
    bool Busy() const { return busy_ > 0; }

    // Forms register themselves; the first one becomes the main form.
    void AddForm(Form& form);
    void RemoveForm(Form& form);
    const std::vector<Form*>& Forms() const { return forms_; }

  private:
    friend class WaitCursor;
    void ShowErrorText(const std::string& text) noexcept;
    void Dispatch(MSG& message);

    HINSTANCE instance_ = nullptr;
    std::string title_;
    bool showMainForm_ = true;
    bool terminated_ = false;
    Form* mainForm_ = nullptr;
    std::vector<Form*> forms_;
    std::function<void(const std::string&)> exceptionSink_;
    DpiSource dpiSource_;
    int busy_ = 0;
};

// The wait cursor over the program's windows while it lives, also when the work in between
// lets messages through (each mouse move would otherwise bring back the window's own).
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    HCURSOR previous_;
};

// The application object of the process.
Application& App();

}  // namespace natalo::ui
