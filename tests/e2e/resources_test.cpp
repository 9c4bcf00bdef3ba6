// What natalo.exe carries besides code: the visual-styles manifest (comctl32 version 6,
// per-monitor DPI aware), the program icon and the version information.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32_handle.h"
#include "win32/program_driver.h"
#include "win32/version_resource.h"

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

// The pixel sizes of the images of a group icon resource (GRPICONDIR: six bytes, then
// fourteen per image, the first byte its width, 0 for 256).
std::vector<int> IconSizes(HMODULE module, int id) {
    const std::string group = ResourceText(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));
    std::vector<int> sizes;
    for (std::size_t at = 6; at + 14 <= group.size(); at += 14) {
        const int width = static_cast<unsigned char>(group[at]);
        sizes.push_back(width == 0 ? 256 : width);
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
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
                            "WindowsSettings\">true/pm</dpiAware>"),
              std::string::npos);
    EXPECT_NE(manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/"
                            "WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>"),
              std::string::npos);
    // Every icon has an image for each display scale up to 200 %.
    EXPECT_EQ(IconSizes(program.get(), 100), (std::vector<int>{16, 24, 32, 48, 64}));
    EXPECT_EQ(IconSizes(program.get(), 110), (std::vector<int>{32, 48, 64}));          // print
    EXPECT_EQ(IconSizes(program.get(), 113), (std::vector<int>{16, 24, 32, 48, 64}));  // enlarge
    EXPECT_EQ(testing::VersionValue(path, "ProductName"), "Natalo");
    EXPECT_EQ(testing::VersionValue(path, "FileDescription"), "Natalo - The Birthday Manager");
    EXPECT_EQ(testing::VersionValue(path, "CompanyName"), "Zarnik Computers");
}

}  // namespace
}  // namespace natalo
