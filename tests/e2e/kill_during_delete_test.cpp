// natalo.exe killed while it deletes the first of 100,000 records, at several moments of
// the deletion: the data file then holds either every record or every record but the
// first, never one twice, and the next start shows each record once and removes the
// scratch file the deletion left.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "addressbook/address_record.h"
#include "platform/win32_handle.h"
#include "win32/program_driver.h"
#include "win32/temp_folder.h"

// After windows.h, which it needs.
#include <commctrl.h>

namespace natalo {
namespace {

using testing::RunningProgram;
using testing::TempFolder;

constexpr int kRecords = 100000;

// Record i has the last name "L<i, six digits>": the default order is the file order, so
// the first row shows record 0.
std::string AddressBookBytes(int records = kRecords) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(records) * kRecordSize);
    AddressRecord r;
    for (int i = 0; i < records; ++i) {
        const std::string number = std::to_string(1000000 + i).substr(1);
        r.LastName = "L" + number;
        r.FirstName = "F" + number;
        r.Birthday = 25000 + i % 365;
        const RecordBytes record = EncodeRecord(r);
        bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
    }
    return bytes;
}

class KillDuringDeleteTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(testing::InstallProgramIn(folder)); }

    std::string DataPath() const { return folder.File("data.dat"); }
    std::string ScratchPath() const { return DataPath() + ".tmp"; }
    bool ScratchExists() const {
        return ::GetFileAttributesA(ScratchPath().c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // Starts the program and waits until its birthday window is up; returns the list.
    HWND StartAndFindList(std::unique_ptr<RunningProgram>& program) {
        program = std::make_unique<RunningProgram>(folder.File("natalo.exe"));
        program->WaitForIdle();
        HWND list = nullptr;
        testing::WaitUntil([&] {
            const HWND main = testing::FindMainWindow(*program);
            list = main ? ::FindWindowExA(main, nullptr, "SysListView32", nullptr) : nullptr;
            return list && !testing::VisibleBirthdayWindows(*program).empty();
        });
        return list;
    }

    // Selects the first row and chooses "Delete address" from the list's popup menu, as
    // the keyboard does: the context-menu key, then Up (the last item) and Enter.
    static bool DeleteFirstRow(const RunningProgram& program, HWND list) {
        UniqueKernelHandle process(
            ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, program.ProcessId()));
        void* remote = ::VirtualAllocEx(process.get(), nullptr, sizeof(LVITEMA),
                                        MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        LVITEMA select{};
        select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        select.state = LVIS_SELECTED | LVIS_FOCUSED;
        if (!remote ||
            !::WriteProcessMemory(process.get(), remote, &select, sizeof select, nullptr))
            return false;
        ::SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(remote));
        ::PostMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), -1);
        HWND menu = nullptr;
        if (!testing::WaitUntil([&] { return (menu = program.OpenMenu()) != nullptr; }))
            return false;
        ::PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
        ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        return true;
    }

    TempFolder folder;
};

// The moments of the deletion at which the program is killed, by how far it got.
enum class Moment { kCommandGiven, kScratchBegun, kScratchHalfWritten, kScratchWritten, kReplaced };

TEST_F(KillDuringDeleteTest, EveryRecordOnceAfterAKillAtAnyMoment) {
    const std::string before = AddressBookBytes();
    const std::string after = before.substr(kRecordSize);
    const auto newSize = static_cast<long long>(after.size());
    for (const Moment moment :
         {Moment::kCommandGiven, Moment::kScratchBegun, Moment::kScratchHalfWritten,
          Moment::kScratchWritten, Moment::kReplaced}) {
        SCOPED_TRACE(static_cast<int>(moment));
        testing::WriteWholeFile(DataPath(), before);
        std::unique_ptr<RunningProgram> program;
        HWND list = StartAndFindList(program);
        ASSERT_TRUE(list);
        ASSERT_TRUE(DeleteFirstRow(*program, list));
        // Watched without pausing: the whole deletion takes a few dozen milliseconds. A
        // later stage counts as reached too, in case the watch missed the moment itself.
        auto reached = [&] {
            const bool replaced = testing::FileSizeOf(DataPath()) == newSize;
            const long long scratch = testing::FileSizeOf(ScratchPath());
            switch (moment) {
                case Moment::kCommandGiven:
                    return true;
                case Moment::kScratchBegun:
                    return replaced || scratch >= 0;
                case Moment::kScratchHalfWritten:
                    return replaced || scratch >= newSize / 2;
                case Moment::kScratchWritten:
                    return replaced || scratch == newSize;
                case Moment::kReplaced:
                    return replaced;
            }
            return true;
        };
        const auto deadline = std::chrono::steady_clock::now() + testing::kPatience;
        while (!reached() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        ASSERT_TRUE(reached());
        program.reset();  // killed

        const std::string content = testing::ReadWholeFile(DataPath());
        EXPECT_TRUE(content == before || content == after)
            << content.size() << " bytes, neither the old records nor the new";
        const auto rows = static_cast<LRESULT>(content.size() / kRecordSize);

        list = StartAndFindList(program);
        ASSERT_TRUE(list);
        EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), rows) << "each record once";
        EXPECT_FALSE(ScratchExists()) << "the scratch file is removed at the start";
        EXPECT_FALSE(program->FindMessageBox("Der Zozerodivodurorudu"));
    }
}

// How far a killed deletion got depends on the machine's speed: what it can leave behind
// is made here directly, the old records with a scratch file begun, half written and
// whole. The next start shows the old records once each and removes the scratch file.
TEST_F(KillDuringDeleteTest, WhatAKillLeftIsCleanedUpAtTheNextStart) {
    constexpr int kFew = 20;
    const std::string before = AddressBookBytes(kFew);
    const std::string after = before.substr(kRecordSize);
    for (const std::size_t written : {std::size_t{0}, after.size() / 2, after.size()}) {
        SCOPED_TRACE(written);
        testing::WriteWholeFile(DataPath(), before);
        testing::WriteWholeFile(ScratchPath(), after.substr(0, written));
        std::unique_ptr<RunningProgram> program;
        const HWND list = StartAndFindList(program);
        ASSERT_TRUE(list);
        EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), kFew);
        EXPECT_FALSE(ScratchExists());
        EXPECT_EQ(testing::ReadWholeFile(DataPath()), before);
        EXPECT_FALSE(program->FindMessageBox("Der Zozerodivodurorudu"));
    }
}

}  // namespace
}  // namespace natalo
