// Helpers for the window framework's tests: pumping messages until something happened,
// driving keys through the application's loop, and a fixture that catches the errors the
// default handler would show.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "win32/screenshot.h"

namespace natalo::ui::testing {

// Handles messages through the application until `done` holds; false on timeout.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
// Handles what is waiting now, and what that caused, for a short while.
void Pump(int milliseconds = 30);

// Posts a key press (WM_KEYDOWN then WM_KEYUP) to a window and handles it through the
// application's loop, as typing would.
void PressKey(HWND window, UINT virtualKey);
// The same with Shift held down (as the thread's keyboard state tells the dialog manager).
void PressShiftKey(HWND window, UINT virtualKey);
// Posts Alt+letter (WM_SYSKEYDOWN, WM_SYSKEYUP with the Alt bit) and handles it.
void PressAltKey(HWND window, char letter);

// Runs the action once the menu about to open is open (it runs its own loop).
void WhenMenuOpens(std::function<void()> action);
// Presses keys in the menu that is about to open.
void TypeIntoOpenMenu(HWND owner, std::vector<UINT> keys);

RECT WindowRect(HWND window);
RECT ClientRectOnScreen(HWND window);
std::string WindowText(HWND window);
// The child of `parent` (at any depth) with a class and text, or null.
HWND FindChild(HWND parent, const std::string& className, const std::string& text);
// Draws a window's client area (WM_PRINTCLIENT) into a bitmap and reads a pixel.
COLORREF ClientPixel(HWND window, int x, int y);
// Whether any pixel of the window's client area has exactly `colour`.
bool ClientHasColour(HWND window, COLORREF colour);

using natalo::testing::AllOf;
using natalo::testing::Screenshot;
// Pumps until the screen shows the window as the check wants it, or the time is up; then
// saves that picture as `fileName` (in the build folder, unless null) for people to look at.
::testing::AssertionResult ScreenShows(HWND window, const char* fileName,
                                       const natalo::testing::ScreenCheck& check);
// Whether the picture shows the form's themed title band in its active colours: in the
// middle row, halfway between top and bottom colour, right of the caption.
::testing::AssertionResult HasActiveTitleBand(const Screenshot& shot, Form& form);

// Calls `action` once from a thread timer after `delayMs` (inside whatever loop runs).
void RunLater(std::function<void()> action, int delayMs = 50);
// Waits, handling nothing, until the actions given to RunLater are due, so that the next
// loop that serves messages runs them; false on timeout.
bool WaitUntilRunLaterIsDue(int timeoutMs = 3000);

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::vector<std::string> errors_;  // what the default error handler was given
};

// A form that records what happened to it.
class TestForm : public Form {
  public:
    explicit TestForm(FormOptions options = DefaultOptions()) : Form(std::move(options)) {}
    static FormOptions DefaultOptions();

    int formShowCalls = 0;
    int closeCalls = 0;
    CloseAction closeAction = CloseAction::Hide;
    std::function<bool(MSG&)> preTranslate;

    bool PreTranslateMessage(MSG& message) override {
        return preTranslate ? preTranslate(message) : false;
    }

  protected:
    void FormShow() override { ++formShowCalls; }
    void OnClose(CloseAction& action) override {
        ++closeCalls;
        action = closeAction;
    }
};

}  // namespace natalo::ui::testing
