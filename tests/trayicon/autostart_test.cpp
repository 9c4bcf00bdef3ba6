// The registry accessor and the "Start with Windows" entry, under a key of their own in
// the test prefix's HKEY_CURRENT_USER, removed again after each test.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "addressbook/autostart_entry.h"
#include "platform/win32_registry.h"
#include "win32/user_settings.h"

namespace natalo {
namespace {

const std::string kTestKey = "Software\\Natalo tests\\Run";
const std::string kExecutable = "C:\\Program Files\\Natalo\\natalo.exe";

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { DeleteTestKeys(); }
    void TearDown() override { DeleteTestKeys(); }
    static void DeleteTestKeys() { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Natalo tests"); }

    static bool KeyExists() {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey.c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return false;
        }
        ::RegCloseKey(key);
        return true;
    }
    static void PutValue(const char* name, DWORD type, const void* data, DWORD size) {
        ASSERT_TRUE(testing::PutRegistryValue(HKEY_CURRENT_USER, kTestKey, name, type, data, size));
    }
    static void PutText(const char* name, const std::string& text) {
        ASSERT_TRUE(testing::PutRegistryText(HKEY_CURRENT_USER, kTestKey, name, text));
    }
    static std::string ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const ERegistryException& error) {
            return error.what();
        }
        return "";
    }
};

TEST_F(RegistryTest, StringsAreWrittenReadAndDeleted) {
    RegistryAccessor registry(HKEY_CURRENT_USER);
    EXPECT_FALSE(registry.OpenKey(kTestKey, false));
    EXPECT_FALSE(registry.HasOpenKey());
    EXPECT_EQ(registry.ReadString("Anything"), "");

    ASSERT_TRUE(registry.OpenKey(kTestKey, true));
    EXPECT_EQ(registry.ReadString("Missing"), "");
    registry.WriteString("Text",
                         "Gr\xFC\xDF"
                         "e /silent");
    EXPECT_TRUE(registry.ValueExists("Text"));
    EXPECT_EQ(registry.ReadString("Text"),
              "Gr\xFC\xDF"
              "e /silent");
    registry.WriteString("Empty", "");
    EXPECT_EQ(registry.ReadString("Empty"), "");
    EXPECT_TRUE(registry.DeleteValue("Text"));
    EXPECT_FALSE(registry.DeleteValue("Text"));
    EXPECT_FALSE(registry.ValueExists("Text"));
    registry.CloseKey();
    EXPECT_TRUE(KeyExists());
}

TEST_F(RegistryTest, ValuesThatAreNotTextOrCannotBeWrittenRaiseTheRuntimeMessages) {
    const DWORD number = 1;
    PutValue("Number", REG_DWORD, &number, sizeof number);
    const char bytes[] = {'a', 'b'};
    PutValue("Bytes", REG_BINARY, bytes, sizeof bytes);
    RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(kTestKey, false));
    EXPECT_EQ(ErrorOf([&] { registry.ReadString("Number"); }),
              "Ung\xFCltiger Datentyp f\xFCr 'Number'");
    EXPECT_EQ(ErrorOf([&] { registry.ReadString("Bytes"); }),
              "Ung\xFCltiger Datentyp f\xFCr 'Bytes'");

    registry.CloseKey();
    EXPECT_EQ(ErrorOf([&] { registry.WriteString("Value", "x"); }),
              "Konnte Daten f\xFCr 'Value' nicht setzen");
}

TEST_F(RegistryTest, TextStoredWithoutItsClosingZeroReadsWhole) {
    PutValue("Bare", REG_SZ, "abc", 3);
    PutValue("Expand", REG_EXPAND_SZ, "%TEMP%", 7);
    RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(kTestKey, false));
    EXPECT_EQ(registry.ReadString("Bare"), "abc");
    EXPECT_EQ(registry.ReadString("Expand"), "%TEMP%");
}

TEST_F(RegistryTest, TheAutostartCommandQuotesThePath) {
    EXPECT_EQ(AutostartCommandFor(kExecutable),
              "\"C:\\Program Files\\Natalo\\natalo.exe\" /silent");
    EXPECT_TRUE(IsAutostartEntryFor("\"" + kExecutable + "\" /silent", kExecutable));
    EXPECT_TRUE(IsAutostartEntryFor(kExecutable + " /silent", kExecutable));
    EXPECT_FALSE(IsAutostartEntryFor(kExecutable, kExecutable));
    EXPECT_FALSE(IsAutostartEntryFor("\"" + kExecutable + "\" /SILENT", kExecutable));
    EXPECT_FALSE(IsAutostartEntryFor("c:\\program files\\natalo\\natalo.exe /silent", kExecutable));
    EXPECT_FALSE(IsAutostartEntryFor("", kExecutable));
}

TEST_F(RegistryTest, SwitchingOnWritesTheCommandAndSwitchingOffRemovesOnlyTheValue) {
    AutostartEntry entry(kExecutable, kTestKey);
    EXPECT_FALSE(entry.IsOn());
    EXPECT_TRUE(KeyExists());  // reading creates the key

    entry.SwitchOn();
    EXPECT_EQ(AutostartCommand(), "\"" + kExecutable + "\" /silent");
    RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(kTestKey, false));
    EXPECT_EQ(registry.ReadString(kAutostartValueName), AutostartCommand());
    EXPECT_TRUE(entry.IsOn());

    entry.SwitchOff();
    EXPECT_FALSE(registry.ValueExists(kAutostartValueName));
    EXPECT_TRUE(KeyExists());
    EXPECT_FALSE(entry.IsOn());
    entry.SwitchOff();  // nothing to remove: no error
}

TEST_F(RegistryTest, EntriesOfOtherCopiesReadAsOffAndAreOverwritten) {
    AutostartEntry entry(kExecutable, kTestKey);
    PutText(kAutostartValueName, "D:\\Old\\natalo.exe /silent");
    EXPECT_FALSE(entry.IsOn());
    PutText(kAutostartValueName, kExecutable + " /silent");  // as earlier versions wrote it
    EXPECT_TRUE(entry.IsOn());
    PutText(kAutostartValueName, "D:\\Old\\natalo.exe /silent");
    entry.SwitchOn();
    EXPECT_TRUE(entry.IsOn());
}

TEST_F(RegistryTest, AnEntryThatIsANumberRaisesTheInvalidTypeMessage) {
    const DWORD number = 7;
    PutValue(kAutostartValueName, REG_DWORD, &number, sizeof number);
    AutostartEntry entry(kExecutable, kTestKey);
    EXPECT_EQ(ErrorOf([&] { entry.IsOn(); }), "Ung\xFCltiger Datentyp f\xFCr 'ZozerodivodUrorudu'");
}

}  // namespace
}  // namespace natalo
