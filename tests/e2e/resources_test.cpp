// What natalo.exe carries besides code: the visual-styles manifest (comctl32 version 6,
// not DPI-aware), the program icon and the version information.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32_handle.h"
#include "win32/program_driver.h"

namespace natalo {
namespace {

std::string ResourceText(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC found = ::FindResourceA(module, name, type);
    if (!found)
        return "";
    HGLOBAL loaded = ::LoadResource(module, found);
    const char* data = static_cast<const char*>(::LockResource(loaded));
    return data ? std::string(data, ::SizeofResource(module, found)) : "";
}

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

TEST(ProgramResources, ManifestIconAndVersion) {
    const std::string path = testing::BuiltProgramPath();
    UniqueModule program(::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(program);
    const std::string manifest =
        ResourceText(program.get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
                            "WindowsSettings\">false</dpiAware>"),
              std::string::npos);
    EXPECT_TRUE(::FindResourceA(program.get(), MAKEINTRESOURCEA(100), MAKEINTRESOURCEA(14)))
        << "program icon (group icon 100)";
    EXPECT_EQ(VersionValue(path, "ProductName"), "Natalo");
    EXPECT_EQ(VersionValue(path, "FileDescription"), "Natalo - The Birthday Manager");
    EXPECT_EQ(VersionValue(path, "CompanyName"), "Zarnik Computers");
}

}  // namespace
}  // namespace natalo
