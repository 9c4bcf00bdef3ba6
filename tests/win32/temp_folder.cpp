#include "win32/temp_folder.h"

#include <shellapi.h>

#include <stdexcept>

#include "platform/win32_handle.h"

namespace natalo::testing {

TempFolder::TempFolder() {
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    for (unsigned attempt = 0;; ++attempt) {
        path_ = std::string(base) + "natalo-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(::GetTickCount() + attempt) + "\\";
        if (::CreateDirectoryA(path_.c_str(), nullptr))
            return;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("no temp folder");
    }
}

TempFolder::~TempFolder() {
    // Read-only files would stop the removal.
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((path_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            ::SetFileAttributesA((path_ + found.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    std::string from = path_.substr(0, path_.size() - 1);
    from.push_back('\0');  // a double-terminated list
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationA(&operation);
}

std::string ReadWholeFile(const std::string& path) {
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        content.append(buffer, got);
    }
    return content;
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    UniqueFile file(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD put = 0;
    if (!file ||
        !::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &put,
                     nullptr) ||
        put != content.size()) {
        throw std::runtime_error("cannot write " + path);
    }
}

long long FileSizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace natalo::testing
