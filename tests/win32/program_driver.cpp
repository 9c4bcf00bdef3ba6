#include "win32/program_driver.h"

#include "win32/temp_folder.h"
#include "win32/unix_program.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>

namespace natalo::testing {

// Wine hands the X display on to a Unix program.
bool RunXdotool(const std::string& arguments) {
    return RunUnixCommand("/usr/bin/xdotool " + arguments).has_value();
}

namespace {

// Where Wine reads the display's DPI when a process starts; a missing value is deleted.
const std::pair<HKEY, const char*> kLogPixels[] = {{HKEY_CURRENT_USER, "Control Panel\\Desktop"},
                                                   {HKEY_CURRENT_CONFIG, "Software\\Fonts"}};
void SetLogPixels(std::size_t which, std::optional<DWORD> dpi) {
    const auto [root, key] = kLogPixels[which];
    if (dpi)
        ::RegSetKeyValueA(root, key, "LogPixels", REG_DWORD, &*dpi, sizeof *dpi);
    else
        ::RegDeleteKeyValueA(root, key, "LogPixels");
}

}  // namespace

DisplayDpiForNewPrograms::DisplayDpiForNewPrograms(DWORD dpi) {
    for (std::size_t i = 0; i < std::size(kLogPixels); ++i) {
        DWORD value = 0, size = sizeof value;
        if (::RegGetValueA(kLogPixels[i].first, kLogPixels[i].second, "LogPixels", RRF_RT_REG_DWORD,
                           nullptr, &value, &size) == ERROR_SUCCESS)
            before_[i] = value;
        SetLogPixels(i, dpi);
    }
}

DisplayDpiForNewPrograms::~DisplayDpiForNewPrograms() {
    for (std::size_t i = 0; i < std::size(kLogPixels); ++i)
        SetLogPixels(i, before_[i]);
}

std::string BuiltProgramPath() {
    // The build passes the Unix path of natalo.exe.
    const std::string path = NATALO_EXE_PATH;
    return !path.empty() && path[0] == '/' ? WinePath(path) : path;
}

bool InstallProgramIn(const TempFolder& folder) {
    return ::CopyFileA(BuiltProgramPath().c_str(), folder.File("natalo.exe").c_str(), FALSE);
}

RunningProgram::RunningProgram(const std::string& path, const std::string& arguments) {
    std::string commandLine = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start " + path);
    }
    ::CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;
}

RunningProgram::~RunningProgram() {
    if (!HasEnded()) {
        ::TerminateProcess(process_.get(), 1);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

bool RunningProgram::HasEnded(std::chrono::milliseconds wait) const {
    return ::WaitForSingleObject(process_.get(), static_cast<DWORD>(wait.count())) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

void RunningProgram::WaitForIdle() const {
    ::WaitForInputIdle(process_.get(), 10000);
}

std::vector<HWND> RunningProgram::Windows() const {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId_, {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId)
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::FindWindowByText(const std::string& text) const {
    for (HWND window : Windows()) {
        if (WindowText(window) == text)
            return window;
    }
    return nullptr;
}

HWND RunningProgram::OpenMenu() const {
    for (HWND window : Windows()) {
        if (ClassNameOf(window) == "#32768" && ::IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

HWND RunningProgram::FindMessageBox(const std::string& caption) const {
    for (HWND window : Windows()) {
        if (ClassNameOf(window) == "#32770" && WindowText(window) == caption &&
            ::IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

namespace {

const std::string kMainCaption = "   Natalo - The Birthday Manager";

bool HasAddressList(HWND window) {
    return HasChildOfClass(window, "SysListView32");
}

}  // namespace

HWND FindMainWindow(const RunningProgram& program) {
    for (HWND window : program.Windows()) {
        if (WindowText(window) == kMainCaption && HasAddressList(window))
            return window;
    }
    return nullptr;
}

std::vector<HWND> VisibleBirthdayWindows(const RunningProgram& program) {
    std::vector<HWND> found;
    for (HWND window : program.Windows()) {
        if (::IsWindowVisible(window) && WindowText(window) == kMainCaption &&
            !HasAddressList(window)) {
            found.push_back(window);
        }
    }
    return found;
}

std::vector<HWND> TrayIconWindows() {
    HWND tray = ::FindWindowA(nullptr, "Wine System Tray");
    std::vector<HWND> icons;
    if (!tray)
        return icons;
    for (HWND child : ChildWindows(tray)) {
        if (::IsWindowVisible(child))
            icons.push_back(child);
    }
    return icons;
}

POINT CentreOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

namespace {

std::string MouseMoveTo(POINT point) {
    return "mousemove " + std::to_string(point.x) + " " + std::to_string(point.y);
}

}  // namespace

bool MoveMouseTo(POINT point) {
    return RunXdotool(MouseMoveTo(point));
}

bool ClickAt(POINT point, int button) {
    return RunXdotool(MouseMoveTo(point) + " click " + std::to_string(button));
}

}  // namespace natalo::testing
