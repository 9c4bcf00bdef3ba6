// Natalo's packages as a user meets them, in a Wine prefix of their own: what the MSI's
// tables say, and msiexec installing, upgrading and removing the program the build made
// while the installed program runs.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include "addressbook/autostart_entry.h"
#include "app/single_instance.h"
#include "platform/win32_registry.h"
#include "support/records.h"
#include "win32/program_driver.h"
#include "win32/temp_folder.h"
#include "win32/unix_program.h"
#include "win32/version_resource.h"

namespace natalo {
namespace {

using namespace std::chrono_literals;
using testing::RunningProgram;
using testing::WaitUntil;

const std::string kCurrent = NATALO_CURRENT_VERSION;
const std::string kNext = NATALO_NEXT_VERSION;

std::string PackagePath(const std::string& version, const char* kind = "msi") {
    return std::string(NATALO_PACKAGES) + "/natalo-" + version + "-x64." + kind;
}

// A table of a package as msiinfo exports it: a row a line (CR LF), tabs between columns.
std::string Table(const std::string& version, const std::string& table) {
    return testing::RunUnixCommand("msiinfo export " + PackagePath(version) + " " + table)
        .value_or("");
}

std::string KnownFolder(int csidl) {
    char path[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
    return path;
}

const std::string kInstallFolder = KnownFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Natalo\\";
const std::string kProgram = kInstallFolder + "natalo.exe";
const std::string kDataFile = kInstallFolder + "data.dat";
const std::string kShortcut = KnownFolder(CSIDL_PROGRAMS) + "\\Natalo.lnk";
const std::string kOwnAutostart = "\"" + kProgram + "\" /silent";
const std::string kMsiexec = KnownFolder(CSIDL_SYSTEM) + "\\msiexec.exe";

std::optional<std::string> RegistryText(HKEY root, const std::string& key, const char* name) {
    RegistryAccessor registry(root);
    if (!registry.OpenKey(key, false) || !registry.ValueExists(name))
        return std::nullopt;
    return registry.ReadString(name);
}

bool KeyExists(HKEY root, const char* key) {
    return RegistryAccessor(root).OpenKey(key, false);
}

const std::string kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// The product codes of Natalo's "Apps" entries. Wine writes a per-user product's entry
// under HKEY_LOCAL_MACHINE, so either Uninstall key counts.
std::vector<std::pair<HKEY, std::string>> NataloProducts() {
    std::vector<std::pair<HKEY, std::string>> products;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        HKEY opened = nullptr;
        ::RegOpenKeyExA(root, kUninstallKey.c_str(), 0, KEY_READ, &opened);
        UniqueRegistryKey key(opened);
        char code[256];
        for (DWORD i = 0, size = sizeof code;
             key && !::RegEnumKeyExA(key.get(), i, code, &size, nullptr, nullptr, nullptr, nullptr);
             ++i, size = sizeof code) {
            if (RegistryText(root, kUninstallKey + code, "DisplayName") == "Natalo")
                products.emplace_back(root, code);
        }
    }
    return products;
}

// What "Apps" shows of Natalo: name, publisher, version and folder of each entry.
std::vector<std::string> Apps() {
    std::vector<std::string> entries;
    for (const auto& [root, code] : NataloProducts()) {
        entries.emplace_back();
        for (const char* name : {"DisplayName", "Publisher", "DisplayVersion", "InstallLocation"})
            entries.back() += RegistryText(root, kUninstallKey + code, name).value_or("") + "|";
    }
    return entries;
}

// Runs msiexec on a package of a version, or on a product code.
DWORD Msiexec(const std::string& arguments, const std::string& package) {
    const RunningProgram msiexec(
        kMsiexec,
        arguments + " " + (package[0] == '{' ? package : testing::WinePath(PackagePath(package))));
    return msiexec.HasEnded(60s) ? msiexec.ExitCode() : STILL_ACTIVE;
}

std::optional<std::string> Autostart() {
    return RegistryText(HKEY_CURRENT_USER, kRunKeyPath, kAutostartValueName);
}

// The installed program, started as its shortcut starts it, showing its birthday window.
std::unique_ptr<RunningProgram> StartInstalledProgram() {
    auto program = std::make_unique<RunningProgram>(kProgram);
    EXPECT_TRUE(
        WaitUntil([&] { return testing::VisibleBirthdayWindows(*program).size() == 1; }, 30s));
    return program;
}

TEST(InstallerPackages, TablesSayWhatTheInstallationDoes) {
    const std::size_t dot = kCurrent.rfind('.');
    const std::string nextBuild =
        kCurrent.substr(0, dot + 1) + std::to_string(std::stoi(kCurrent.substr(dot + 1)) + 1);
    // Whole rows; those that start with a tab leave out a generated first column. Every
    // version up to this one, this one built again included, is replaced; a newer one is
    // only found, and refuses the package.
    const std::pair<const char*, std::string> rows[] = {
        {"Property", "ProductVersion\t" + kCurrent},
        {"Property", "MSIINSTALLPERUSER\t1"},
        {"Property", "ARPPRODUCTICON\tnatalo.ico"},
        {"Upgrade", "\t0.0.0\t" + nextBuild + "\t\t256\t\tOLDERVERSIONFOUND"},
        {"Upgrade", "\t" + kCurrent + "\t\t\t2\t\tNEWERVERSIONFOUND"},
        {"Shortcut",
         "StartMenuShortcut\tProgramMenuFolder\tNatalo\tProgram\t[#NataloExe]\t\t"
         "Natalo - The Birthday Manager\t\tnatalo.ico\t\t\tINSTALLFOLDER\t\t\t\t"},
        {"Registry",
         "\t1\tSoftware\\Zarnik Computers\\Natalo\tInstallFolder\t[INSTALLFOLDER]\tProgram"},
    };
    for (const auto& [table, row] : rows) {
        EXPECT_TRUE(Table(kCurrent, table).find((row[0] == '\t' ? "" : "\n") + row + "\r\n") !=
                    std::string::npos)
            << table << " has no row " << row;
    }
    EXPECT_EQ(Table(kCurrent, "Property").find("ALLUSERS"), std::string::npos);
    EXPECT_EQ(testing::VersionValue(testing::BuiltProgramPath(), "ProductVersion"), kCurrent);
    EXPECT_EQ(testing::RunUnixCommand("unzip -Z1 " + PackagePath(kCurrent, "zip")),
              "natalo.exe\nREADME.txt\n");
}

// One user's way with Natalo, each step on what the one before left: install, switch on
// "Start with Windows", upgrade while the program runs, try an older package, remove.
TEST(Installation, InstallUpgradeRefuseAnOlderPackageAndRemove) {
    for (const auto& [root, code] : NataloProducts())  // what an earlier run left
        ASSERT_EQ(Msiexec("/qn /x", code), 0u);
    ::DeleteFileA(kDataFile.c_str());
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKeyPath, kAutostartValueName);
    const std::vector<std::byte> records = testing::FileOf(testing::FourPeopleAroundChristmas());
    const std::string addressBook(reinterpret_cast<const char*>(records.data()), records.size());
    auto appsShow = [](const std::string& version) {
        return std::vector<std::string>{"Natalo|Zarnik Computers|" + version + "|" +
                                        kInstallFolder + "|"};
    };

    // The program, its shortcut and its "Apps" entry; the program runs from there, and the
    // tray menu's "Start with Windows" (its third item, chosen by the keyboard) writes it.
    ASSERT_EQ(Msiexec("/qn /i", kCurrent), 0u);
    EXPECT_GT(testing::FileSizeOf(kShortcut), 0);
    EXPECT_EQ(Apps(), appsShow(kCurrent));
    testing::WriteWholeFile(kDataFile, addressBook);
    auto program = StartInstalledProgram();
    ASSERT_TRUE(WaitUntil([] { return testing::TrayIconWindows().size() == 1; }));
    ASSERT_TRUE(testing::ClickAt(testing::CentreOf(testing::TrayIconWindows().front()), 3));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = program->OpenMenu()) != nullptr; }));
    for (const WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN})
        ::PostMessageA(menu, WM_KEYDOWN, key, 0);
    ASSERT_TRUE(WaitUntil([] { return Autostart() == kOwnAutostart; }, 30s))
        << Autostart().value_or("");

    // A newer package asks the running program to end and replaces it in place.
    ASSERT_EQ(Msiexec("/qn /i", kNext), 0u);
    EXPECT_EQ(program->HasEnded() ? program->ExitCode() : STILL_ACTIVE, 0u);
    EXPECT_EQ(testing::VersionValue(kProgram, "ProductVersion"), kNext);
    EXPECT_EQ(testing::ReadWholeFile(kDataFile), addressBook);
    EXPECT_EQ(Apps(), appsShow(kNext));
    EXPECT_EQ(Autostart(), kOwnAutostart);

    // An older package is refused; with the basic user interface a message says why.
    const RunningProgram older(kMsiexec, "/qb /i " + testing::WinePath(PackagePath(kCurrent)));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = older.FindMessageBox("Install Failed")); }, 30s));
    EXPECT_EQ(testing::MessageBoxText(box),
              "A newer version of Natalo is already installed. This package holds an older one "
              "and cannot replace it.");
    ASSERT_TRUE(testing::ClickButton(box, "OK"));
    ASSERT_TRUE(older.HasEnded(30s));
    EXPECT_EQ(older.ExitCode(), static_cast<DWORD>(ERROR_INSTALL_FAILURE));
    EXPECT_EQ(Apps(), appsShow(kNext));

    // Removal, while the program runs, leaves nothing that starts, and the address book.
    program = StartInstalledProgram();
    ASSERT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kProgramKeyPath));  // made at its start
    ASSERT_EQ(Msiexec("/qn /x", kNext), 0u);
    EXPECT_EQ(program->HasEnded() ? program->ExitCode() : STILL_ACTIVE, 0u);
    EXPECT_EQ(testing::FileSizeOf(kProgram), -1);
    EXPECT_EQ(testing::FileSizeOf(kShortcut), -1);
    EXPECT_EQ(Autostart(), std::nullopt);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProgramKeyPath));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProgramKeyPath));
    EXPECT_EQ(testing::ReadWholeFile(kDataFile), addressBook);
    EXPECT_TRUE(Apps().empty());
}

}  // namespace
}  // namespace natalo
