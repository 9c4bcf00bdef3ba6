// Starts a program as a user would and looks at its windows from this second process:
// top-level windows, their texts and children, message boxes and their buttons.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32_handle.h"
#include "support/patience.h"
#include "win32/window_lookup.h"

namespace natalo::testing {

// Runs xdotool on the X display with these arguments and waits until it has finished:
// input that the X server delivers to Wine as a user's would.
bool RunXdotool(const std::string& arguments);

// natalo.exe of this build.
std::string BuiltProgramPath();

class TempFolder;
// Copies natalo.exe of this build into the folder, as a user installs it.
bool InstallProgramIn(const TempFolder& folder);

class RunningProgram {
  public:
    // Starts the program with the arguments; the working folder is the program's own.
    explicit RunningProgram(const std::string& path, const std::string& arguments = "");
    ~RunningProgram();  // ends the program when it still runs
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    DWORD ProcessId() const { return processId_; }
    bool HasEnded(std::chrono::milliseconds wait = std::chrono::milliseconds(0)) const;
    DWORD ExitCode() const;
    // Waits until the program waits for input (start-up done, or a message box open).
    void WaitForIdle() const;

    // The program's top-level windows, hidden ones included.
    std::vector<HWND> Windows() const;
    HWND FindWindowByText(const std::string& text) const;
    // A message box (dialog class) with this caption, or null.
    HWND FindMessageBox(const std::string& caption) const;
    // The popup menu it shows now, or null.
    HWND OpenMenu() const;

  private:
    UniqueKernelHandle process_;
    DWORD processId_ = 0;
};

// The display's DPI for the programs started while it lives, as Wine reads it when a
// process starts (LogPixels); the prefix's own values are put back at the end.
class DisplayDpiForNewPrograms {
  public:
    explicit DisplayDpiForNewPrograms(DWORD dpi);
    ~DisplayDpiForNewPrograms();

  private:
    std::optional<DWORD> before_[2];
};

// natalo's main window and birthday windows wear the same caption; the main window is the
// one with the address list. The main window (hidden or not), or null:
HWND FindMainWindow(const RunningProgram& program);
std::vector<HWND> VisibleBirthdayWindows(const RunningProgram& program);

// The icons in Wine's stand-in for the taskbar's notification area.
std::vector<HWND> TrayIconWindows();
POINT CentreOf(HWND window);
// The mouse on the X display (xdotool), at screen coordinates.
bool MoveMouseTo(POINT point);
bool ClickAt(POINT point, int button);

// The text of a message box (its static controls, joined by new lines).
inline std::string MessageBoxText(HWND box) {
    return ReadDialog(box).text;
}

}  // namespace natalo::testing
