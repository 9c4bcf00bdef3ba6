#include "app/running_copies.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "platform/win32_handle.h"
#include "ui/form.h"

namespace natalo {
namespace {

// The program's top-level windows, by the process they belong to (this one left out).
std::map<DWORD, std::vector<HWND>> FormsByProcess() {
    std::map<DWORD, std::vector<HWND>> forms;
    ::EnumWindows(
        [](HWND window, LPARAM found) {
            char name[32] = {};
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            if (::GetClassNameA(window, name, sizeof name) &&
                std::strcmp(name, ui::kFormClassName) == 0 && process != ::GetCurrentProcessId())
                (*reinterpret_cast<std::map<DWORD, std::vector<HWND>>*>(found))[process].push_back(
                    window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&forms));
    return forms;
}

bool RunsFrom(HANDLE process, const std::string& executablePath) {
    char path[MAX_PATH * 2] = {};
    DWORD size = sizeof path;
    // File names compare without regard to case on Windows.
    return ::QueryFullProcessImageNameA(process, 0, path, &size) &&
           ::lstrcmpiA(path, executablePath.c_str()) == 0;
}

}  // namespace

bool CloseRunningCopies(const std::string& executablePath, std::chrono::milliseconds patience) {
    std::vector<UniqueKernelHandle> copies;
    for (const auto& [id, forms] : FormsByProcess()) {
        UniqueKernelHandle process(::OpenProcess(
            SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
        if (!process || !RunsFrom(process.get(), executablePath))
            continue;
        for (HWND form : forms)
            ::PostMessageA(form, ui::CloseRequestMessage(), 0, 0);
        copies.push_back(std::move(process));
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    bool allEnded = true;
    for (const UniqueKernelHandle& process : copies) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (::WaitForSingleObject(process.get(), static_cast<DWORD>(std::max<long long>(
                                                     left.count(), 0))) == WAIT_OBJECT_0)
            continue;
        ::TerminateProcess(process.get(), 1);
        allEnded = ::WaitForSingleObject(process.get(), 5000) == WAIT_OBJECT_0 && allEnded;
    }
    return allEnded;
}

}  // namespace natalo
