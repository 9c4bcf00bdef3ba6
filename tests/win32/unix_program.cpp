#include "win32/unix_program.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "platform/win32_handle.h"

namespace natalo::testing {

std::string WinePath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Wine gives no handle for a Unix process and does not hand it the pipes of the Windows
// side: the output goes into a file, renamed when the command is done.
std::optional<std::string> RunUnixCommand(const std::string& commandLine,
                                          std::chrono::milliseconds timeout) {
    static int run = 0;
    const std::string output =
        "/tmp/natalo-test-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++run);
    std::string command = "/bin/sh -c \"" + commandLine + " > " + output +
                          ".part 2>/dev/null; mv " + output + ".part " + output + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return std::nullopt;
    UniqueKernelHandle process(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    const std::string result = WinePath(output);
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (::GetFileAttributesA(result.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (std::chrono::steady_clock::now() > end)
            return std::nullopt;
        ::Sleep(10);
    }
    std::string text;
    if (FILE* file = std::fopen(result.c_str(), "rb")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            text.append(buffer, got);
        std::fclose(file);
    }
    ::DeleteFileA(result.c_str());
    return text;
}

}  // namespace natalo::testing
