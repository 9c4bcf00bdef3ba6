#include "platform/win32_file_system.h"

#include "platform/io_error.h"
#include "platform/win32_handle.h"

namespace natalo {
namespace {

bool IsDiskFull(DWORD error) {
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

// Reads and writes go in pieces a DWORD can count.
constexpr std::size_t kMaxChunk = 1u << 30;

class Win32File : public File {
  public:
    explicit Win32File(UniqueFile handle) : handle_(std::move(handle)) {}

    std::uint64_t Size() override {
        LARGE_INTEGER size;
        if (!::GetFileSizeEx(handle_.get(), &size))
            ThrowLastIoError();
        return static_cast<std::uint64_t>(size.QuadPart);
    }

    std::size_t ReadAt(std::uint64_t offset, std::span<std::byte> data) override {
        std::size_t total = 0;
        while (total < data.size()) {
            const DWORD wanted = static_cast<DWORD>(std::min(data.size() - total, kMaxChunk));
            OVERLAPPED at = At(offset + total);
            DWORD got = 0;
            if (!::ReadFile(handle_.get(), data.data() + total, wanted, &got, &at)) {
                if (::GetLastError() == ERROR_HANDLE_EOF)
                    break;
                ThrowLastIoError();
            }
            total += got;
            if (got < wanted)
                break;
        }
        return total;
    }

    std::size_t WriteAt(std::uint64_t offset, std::span<const std::byte> data) override {
        std::size_t total = 0;
        while (total < data.size()) {
            const DWORD wanted = static_cast<DWORD>(std::min(data.size() - total, kMaxChunk));
            OVERLAPPED at = At(offset + total);
            DWORD put = 0;
            if (!::WriteFile(handle_.get(), data.data() + total, wanted, &put, &at)) {
                if (IsDiskFull(::GetLastError()))
                    return total + put;
                ThrowLastIoError();
            }
            total += put;
            if (put < wanted)
                break;
        }
        return total;
    }

    void Truncate(std::uint64_t size) override {
        LARGE_INTEGER to;
        to.QuadPart = static_cast<LONGLONG>(size);
        if (!::SetFilePointerEx(handle_.get(), to, nullptr, FILE_BEGIN) ||
            !::SetEndOfFile(handle_.get())) {
            ThrowLastIoError();
        }
    }

    void Flush() override {
        if (!::FlushFileBuffers(handle_.get()))
            ThrowLastIoError();
    }

  private:
    UniqueFile handle_;
};

}  // namespace

void ThrowLastIoError() {
    const DWORD error = ::GetLastError();
    throw EInOutError(IsDiskFull(error) ? kIoDiskFull : static_cast<int>(error));
}

bool Win32FileSystem::Exists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<File> Win32FileSystem::Open(const std::string& path, OpenMode mode) {
    const DWORD access = mode == OpenMode::kReadOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const DWORD disposition = mode == OpenMode::kCreate ? CREATE_ALWAYS : OPEN_EXISTING;
    // Sharing deletion lets a new data file take the place of one that is open.
    constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    UniqueFile handle(::CreateFileA(path.c_str(), access, kShare, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle)
        ThrowLastIoError();
    return std::make_unique<Win32File>(std::move(handle));
}

void Win32FileSystem::Replace(const std::string& replaced, const std::string& replacement) {
    // The new file keeps what the user set on the old one (hidden, say).
    const DWORD attributes = ::GetFileAttributesA(replaced.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        ::SetFileAttributesA(replacement.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    // A rename over the old file: one step for the file system.
    if (::MoveFileExA(replacement.c_str(), replaced.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return;
    }
    // A rename over a file that another handle holds open is refused; ReplaceFileA takes
    // its place all the same when that handle shares deletion.
    const DWORD error = ::GetLastError();
    if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)
        ThrowLastIoError();
    if (!::ReplaceFileA(replaced.c_str(), replacement.c_str(), nullptr,
                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        ThrowLastIoError();
    }
}

void Win32FileSystem::Remove(const std::string& path) {
    if (!::DeleteFileA(path.c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND)
        ThrowLastIoError();
}

}  // namespace natalo
