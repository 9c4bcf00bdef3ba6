#include "win32/unix_program.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32_handle.h"
#include "support/patience.h"
#include "win32/temp_folder.h"

namespace natalo::testing {

std::string WinePath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Wine starts a Unix program without a handle to wait on and without handing it the pipes
// of the Windows side: the shell writes the output into a file, renamed when complete.
std::optional<std::string> RunUnixProgram(const std::string& commandLine) {
    static int run = 0;
    const std::string output =
        "/tmp/natalo-unix-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++run);
    std::string command = "/bin/sh -c \"" + commandLine + " > " + output +
                          ".part 2>/dev/null; mv " + output + ".part " + output + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA("Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process)) {
        return std::nullopt;
    }
    UniqueKernelHandle processHandle(process.hProcess);
    UniqueKernelHandle thread(process.hThread);
    const std::string result = WinePath(output);
    if (!WaitUntil([&] { return FileSizeOf(result) >= 0; }))
        return std::nullopt;
    std::string text = ReadWholeFile(result);
    ::DeleteFileA(result.c_str());
    return text;
}

}  // namespace natalo::testing
