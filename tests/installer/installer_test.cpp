// Natalo's packages as a user meets them, in a Wine prefix of their own: what the MSI's
// tables say, and msiexec installing, upgrading and removing the program the build made
// while the installed program runs.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <map>

#include "addressbook/autostart_entry.h"
#include "app/single_instance.h"
#include "platform/win32_handle.h"
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

std::string KnownFolder(int csidl) {
    char path[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
    return path;
}

const std::string kProgram = KnownFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Natalo\\natalo.exe";
const std::string kDataFile = kProgram.substr(0, kProgram.rfind('\\') + 1) + "data.dat";
const std::string kShortcut = KnownFolder(CSIDL_PROGRAMS) + "\\Natalo.lnk";
const std::string kOwnAutostart = "\"" + kProgram + "\" /silent";

std::optional<std::string> RegistryText(HKEY root, const std::string& key, const char* name) {
    char text[1024] = {};
    DWORD size = sizeof text;
    if (::RegGetValueA(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size))
        return std::nullopt;
    return text;
}

bool KeyExists(HKEY root, const char* key) {
    HKEY opened = nullptr;
    const bool exists = !::RegOpenKeyExA(root, key, 0, KEY_READ, &opened);
    UniqueRegistryKey close(opened);
    return exists;
}

// Natalo's "Apps" entries by product code. Wine writes a per-user package's entry under
// HKEY_LOCAL_MACHINE, so both Uninstall keys count.
using AppsEntry = std::map<std::string, std::string>;
std::map<std::string, AppsEntry> AppsEntries() {
    const std::string uninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    std::map<std::string, AppsEntry> entries;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        HKEY opened = nullptr;
        ::RegOpenKeyExA(root, uninstall.c_str(), 0, KEY_READ, &opened);
        UniqueRegistryKey key(opened);
        char product[256];
        for (DWORD i = 0, size = sizeof product;
             key &&
             !::RegEnumKeyExA(key.get(), i, product, &size, nullptr, nullptr, nullptr, nullptr);
             ++i, size = sizeof product) {
            AppsEntry entry;
            for (const char* name :
                 {"DisplayName", "Publisher", "DisplayVersion", "InstallLocation"})
                entry[name] = RegistryText(root, uninstall + "\\" + product, name).value_or("");
            if (entry["DisplayName"] == "Natalo")
                entries[product] = entry;
        }
    }
    return entries;
}

std::vector<std::string> InstalledVersions() {
    std::vector<std::string> versions;
    for (auto& [product, entry] : AppsEntries())
        versions.push_back(entry["DisplayVersion"]);
    return versions;
}

class Msiexec : public RunningProgram {
  public:
    explicit Msiexec(const std::string& arguments)
        : RunningProgram(KnownFolder(CSIDL_SYSTEM) + "\\msiexec.exe", arguments) {}
    DWORD Result() const { return HasEnded(60s) ? ExitCode() : STILL_ACTIVE; }
};

// A table of a package as msiinfo exports it: a row a line (CR LF), tabs between columns.
std::string Table(const std::string& version, const std::string& table) {
    return testing::RunUnixCommand("msiinfo export " + PackagePath(version) + " " + table)
        .value_or("");
}

std::string UpgradeCodeOf(const std::string& version) {
    const std::string properties = Table(version, "Property");
    const std::size_t at = properties.find("\nUpgradeCode\t");
    return at == std::string::npos ? "" : properties.substr(at, properties.find('\r', at) - at);
}

TEST(InstallerPackages, TablesSayWhatTheInstallationDoes) {
    const std::size_t lastDot = kCurrent.rfind('.');
    const std::string nextBuild = kCurrent.substr(0, lastDot + 1) +
                                  std::to_string(std::stoi(kCurrent.substr(lastDot + 1)) + 1);
    // Whole rows; those that start with a tab leave out a generated first column.
    const std::pair<const char*, std::string> rows[] = {
        {"Property", "ProductName\tNatalo"},
        {"Property", "Manufacturer\tZarnik Computers"},
        {"Property", "ProductVersion\t" + kCurrent},
        {"Property", "MSIINSTALLPERUSER\t1"},
        {"Property", "ARPPRODUCTICON\tnatalo.ico"},
        {"Directory", "INSTALLFOLDER\tUserProgramsFolder\tNatalo"},
        {"Directory", "UserProgramsFolder\tLocalAppDataFolder\tPrograms"},
        // Every version up to this one, this one built again included, is replaced; a newer
        // one is only found, and refuses the package with the message.
        {"Upgrade", "\t0.0.0\t" + nextBuild + "\t\t256\t\tOLDERVERSIONFOUND"},
        {"Upgrade", "\t" + kCurrent + "\t\t\t2\t\tNEWERVERSIONFOUND"},
        {"LaunchCondition",
         "NOT NEWERVERSIONFOUND\tA newer version of Natalo is already "
         "installed. This package holds an older one and cannot replace it."},
        {"Shortcut",
         "StartMenuShortcut\tProgramMenuFolder\tNatalo\tProgram\t[#NataloExe]\t\t"
         "Natalo - The Birthday Manager\t\tnatalo.ico\t\t\tINSTALLFOLDER\t\t\t\t"},
        {"Registry",
         "\t1\tSoftware\\Zarnik Computers\\Natalo\tInstallFolder\t[INSTALLFOLDER]\t"
         "Program"},
        {"InstallExecuteSequence", "CloseRunningCopies\tInstalled OR OLDERVERSIONFOUND\t1350"},
        {"InstallExecuteSequence", "RemoveExistingProducts\t\t1401"},
        {"InstallExecuteSequence",
         "Unregister\tREMOVE~=\"ALL\" AND NOT UPGRADINGPRODUCTCODE\t3450"},
        {"InstallExecuteSequence", "KeepAutostart\tOLDERVERSIONFOUND AND AUTOSTARTENTRY\t4100"},
    };
    std::map<std::string, std::string> tables;
    for (const auto& [table, row] : rows) {
        std::string& text = tables[table];
        if (text.empty())
            text = Table(kCurrent, table);
        EXPECT_TRUE(text.find((row[0] == '\t' ? "" : "\n") + row + "\r\n") != std::string::npos)
            << table << " has no row " << row;
    }
    EXPECT_EQ(tables["Property"].find("ALLUSERS"), std::string::npos);
    EXPECT_NE(UpgradeCodeOf(kCurrent), "");
    EXPECT_EQ(UpgradeCodeOf(kNext), UpgradeCodeOf(kCurrent));
    EXPECT_EQ(testing::VersionValue(testing::BuiltProgramPath(), "ProductVersion"), kCurrent);
    EXPECT_EQ(testing::RunUnixCommand("unzip -Z1 " + PackagePath(kCurrent, "zip")),
              "natalo.exe\nREADME.txt\n");
}

// Each test starts from a user without Natalo, whatever an earlier run left.
class Installation : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& [product, entry] : AppsEntries())
            ASSERT_EQ(Msiexec("/x " + product + " /qn").Result(), 0u);
        ::DeleteFileA(kDataFile.c_str());
        ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKeyPath, kAutostartValueName);
        ASSERT_TRUE(AppsEntries().empty());
    }

    static void Install(const std::string& version) {
        ASSERT_EQ(Msiexec("/i " + testing::WinePath(PackagePath(version)) + " /qn").Result(), 0u);
    }
    static void SetAutostart(const std::string& entry) {
        ASSERT_FALSE(::RegSetKeyValueA(HKEY_CURRENT_USER, kRunKeyPath, kAutostartValueName, REG_SZ,
                                       entry.c_str(), static_cast<DWORD>(entry.size() + 1)));
    }
    static std::optional<std::string> Autostart() {
        return RegistryText(HKEY_CURRENT_USER, kRunKeyPath, kAutostartValueName);
    }
    // The installed program, started as the shortcut starts it, once it shows its
    // birthday window.
    static std::unique_ptr<RunningProgram> StartInstalledProgram() {
        auto program = std::make_unique<RunningProgram>(kProgram);
        EXPECT_TRUE(
            WaitUntil([&] { return testing::VisibleBirthdayWindows(*program).size() == 1; }));
        return program;
    }

    const std::string addressBook_ = [] {
        const std::vector<std::byte> bytes = testing::FileOf(testing::FourPeopleAroundChristmas());
        return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }();
};

TEST_F(Installation, PutsTheProgramShortcutAndAppsEntryInPlaceAndTheProgramRunsFromThere) {
    Install(kCurrent);
    EXPECT_GT(testing::FileSizeOf(kProgram), 0);
    EXPECT_GT(testing::FileSizeOf(kShortcut), 0);
    const AppsEntry expected = {{"DisplayName", "Natalo"},
                                {"Publisher", "Zarnik Computers"},
                                {"DisplayVersion", kCurrent},
                                {"InstallLocation", kProgram.substr(0, kProgram.rfind('\\') + 1)}};
    ASSERT_EQ(AppsEntries().size(), 1u);
    EXPECT_EQ(AppsEntries().begin()->second, expected);

    // "Start with Windows" from the tray menu: the third item, chosen by the keyboard.
    const auto program = StartInstalledProgram();
    ASSERT_TRUE(WaitUntil([] { return testing::TrayIconWindows().size() == 1; }));
    ASSERT_TRUE(testing::ClickAt(testing::CentreOf(testing::TrayIconWindows().front()), 3));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = testing::OpenPopupMenu(*program)) != nullptr; }));
    for (const WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN})
        ::PostMessageA(menu, WM_KEYDOWN, key, 0);
    EXPECT_TRUE(WaitUntil([] { return Autostart() == kOwnAutostart; }, 30s))
        << Autostart().value_or("");
}

TEST_F(Installation, ANewerPackageReplacesTheRunningProgramAndKeepsAddressBookAndAutostart) {
    Install(kCurrent);
    testing::WriteWholeFile(kDataFile, addressBook_);
    SetAutostart(kOwnAutostart);
    const auto program = StartInstalledProgram();
    Install(kNext);
    ASSERT_TRUE(program->HasEnded());
    EXPECT_EQ(program->ExitCode(), 0u);  // asked to end, not ended
    EXPECT_EQ(testing::VersionValue(kProgram, "ProductVersion"), kNext);
    EXPECT_EQ(testing::ReadWholeFile(kDataFile), addressBook_);
    EXPECT_EQ(InstalledVersions(), std::vector<std::string>{kNext});
    EXPECT_EQ(Autostart(), kOwnAutostart);
}

TEST_F(Installation, AnOlderPackageIsRefusedWithAMessageThatSaysWhy) {
    Install(kNext);
    // With the basic user interface the refusal shows in a message box.
    Msiexec older("/i " + testing::WinePath(PackagePath(kCurrent)) + " /qb");
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND window : older.Windows()) {
                if (::IsWindowVisible(window) &&
                    testing::MessageBoxText(window).find("A newer version") != std::string::npos)
                    box = window;
            }
            return box != nullptr;
        },
        30s));
    EXPECT_EQ(testing::MessageBoxText(box),
              "A newer version of Natalo is already installed. This package holds an older one "
              "and cannot replace it.");
    ASSERT_TRUE(testing::ClickButton(box, "OK"));
    EXPECT_EQ(older.Result(), static_cast<DWORD>(ERROR_INSTALL_FAILURE));
    EXPECT_EQ(InstalledVersions(), std::vector<std::string>{kNext});
}

TEST_F(Installation, RemovalLeavesNothingThatStartsButKeepsTheAddressBook) {
    // The autostart entry goes when it starts the installed program, not another copy's.
    for (const auto& [entry, removed] :
         {std::pair{kOwnAutostart, true},
          std::pair{std::string("C:\\Natalo\\natalo.exe /silent"), false}}) {
        SCOPED_TRACE(entry);
        Install(kCurrent);
        testing::WriteWholeFile(kDataFile, addressBook_);
        SetAutostart(entry);
        const auto program = StartInstalledProgram();  // which makes the program key
        ASSERT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kProgramKeyPath));
        ASSERT_EQ(Msiexec("/x " + testing::WinePath(PackagePath(kCurrent)) + " /qn").Result(), 0u);
        EXPECT_EQ(program->HasEnded() ? program->ExitCode() : STILL_ACTIVE, 0u);
        EXPECT_EQ(testing::FileSizeOf(kProgram), -1);
        EXPECT_EQ(testing::FileSizeOf(kShortcut), -1);
        EXPECT_EQ(Autostart(), removed ? std::nullopt : std::optional(entry));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProgramKeyPath));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProgramKeyPath));
        EXPECT_EQ(testing::ReadWholeFile(kDataFile), addressBook_);
        EXPECT_TRUE(AppsEntries().empty());
        ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKeyPath, kAutostartValueName);
    }
}

}  // namespace
}  // namespace natalo
