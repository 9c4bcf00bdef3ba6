#include "win32/version_resource.h"

#include <windows.h>

namespace natalo::testing {

std::string VersionValue(const std::string& path, const std::string& name) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::string info(size, '\0');
    if (!size || !::GetFileVersionInfoA(path.c_str(), 0, size, info.data()))
        return "";
    char* value = nullptr;
    UINT length = 0;
    const std::string key = "\\StringFileInfo\\040904E4\\" + name;
    if (!::VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) ||
        !value)
        return "";
    return std::string(value);
}

}  // namespace natalo::testing
