// natalo.exe started as a user starts it, watched from this second process.
#include <gtest/gtest.h>

#include <random>

#include "win32/program_driver.h"
#include "win32/temp_folder.h"

namespace natalo {
namespace {

using testing::RunningProgram;
using testing::TempFolder;

const std::string kErrorCaption = "Der Zozerodivodurorudu";

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(testing::InstallProgramIn(folder)); }
    std::string DataPath() const { return folder.File("data.dat"); }
    std::unique_ptr<RunningProgram> Start() {
        auto program = std::make_unique<RunningProgram>(folder.File("natalo.exe"));
        program->WaitForIdle();
        return program;
    }
    // The texts of the error boxes the start-up shows (each answered with OK) until it has
    // ended: its birthday window is up.
    static std::vector<std::string> StartupErrors(const RunningProgram& program) {
        std::vector<std::string> texts;
        HWND box = nullptr;
        while (texts.size() < 5 && testing::WaitUntil([&] {
                   box = program.FindMessageBox(kErrorCaption);
                   return box || !testing::VisibleBirthdayWindows(program).empty();
               })) {
            if (!box)
                return texts;
            texts.push_back(testing::MessageBoxText(box));
            EXPECT_TRUE(testing::ClickButton(box, "OK"));
            EXPECT_TRUE(testing::WaitUntil([&] { return !::IsWindow(box); }));
        }
        ADD_FAILURE() << "the start-up did not end";
        return texts;
    }
    static std::string RandomBytes(std::size_t size, unsigned seed) {
        std::mt19937 random(seed);
        std::string bytes(size, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        return bytes;
    }

    TempFolder folder;
};

TEST_F(StartupTest, CreatesItsDataFileNextToItselfAndKeepsTheMainWindowHidden) {
    auto program = Start();
    ASSERT_TRUE(testing::WaitUntil([&] { return testing::FileSizeOf(DataPath()) == 0; }));
    EXPECT_EQ(StartupErrors(*program), std::vector<std::string>{});
    const HWND main = testing::FindMainWindow(*program);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(::IsWindowVisible(main));
    EXPECT_FALSE(program->HasEnded());
}

TEST_F(StartupTest, SecondCopyEndsAtOnceWithExitCodeZeroAndShowsNothing) {
    auto first = Start();
    ASSERT_EQ(StartupErrors(*first), std::vector<std::string>{});
    TempFolder otherFolder;  // the guard is for the whole session, wherever the copy lives
    ASSERT_TRUE(::CopyFileA(folder.File("natalo.exe").c_str(),
                            otherFolder.File("natalo.exe").c_str(), FALSE));
    RunningProgram second(otherFolder.File("natalo.exe"), "/silent");
    // How soon: natalo-startup-bench tells.
    ASSERT_TRUE(second.HasEnded(testing::kPatience));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(testing::FileSizeOf(otherFolder.File("data.dat")), -1);
    EXPECT_FALSE(first->HasEnded());
}

TEST_F(StartupTest, ReadOnlyDataFileIsShownWithANoteThatChangesCannotBeSaved) {
    const std::string record(368, '\0');
    testing::WriteWholeFile(DataPath(), record);
    ASSERT_TRUE(::SetFileAttributesA(DataPath().c_str(), FILE_ATTRIBUTE_READONLY));
    auto program = Start();
    HWND note = nullptr;
    ASSERT_TRUE(
        testing::WaitUntil([&] { return (note = program->FindMessageBox("Information")); }));
    EXPECT_EQ(testing::MessageBoxText(note), "The address book in " + folder.Path() +
                                                 " can only be read. Changes cannot be saved.");
    EXPECT_TRUE(testing::ClickButton(note, "OK"));
    EXPECT_EQ(StartupErrors(*program), std::vector<std::string>{});
    EXPECT_FALSE(program->HasEnded());
    EXPECT_EQ(testing::ReadWholeFile(DataPath()), record);
}

// An empty file stays empty; a file shorter than a record and one with a partial last
// record are reported (once from the address list, once from the birthday window); random
// whole records open without a crash. None is changed.
TEST_F(StartupTest, OddDataFilesAreReportedWhereDamagedAndLeftAsTheyAre) {
    const std::vector<std::string> pastTheEnd(2, "Versuch hinter dem Dateiende zu lesen.");
    const struct {
        std::string content;
        std::vector<std::string> errors;
    } cases[] = {{"", {}},
                 {RandomBytes(367, 1), pastTheEnd},
                 {RandomBytes(3 * 368 + 100, 2), pastTheEnd},
                 {RandomBytes(40 * 368, 3), {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.size());
        testing::WriteWholeFile(DataPath(), c.content);
        auto program = Start();
        EXPECT_EQ(StartupErrors(*program), c.errors);
        EXPECT_FALSE(program->HasEnded());
        program.reset();
        EXPECT_EQ(testing::ReadWholeFile(DataPath()), c.content);
    }
}

}  // namespace
}  // namespace natalo
