// The whole program as start-up makes it, in-process under Wine: every window created
// hidden by the program object over a real data file in a scratch folder, with a fixed
// today (20 December 2026), fixed regional settings (dd.MM.yyyy), a disk that can be made
// to fill up, the file dialogs answered by the test, the shell replaced by a list of the
// addresses it would have opened and the tray's timers ticking when the test says.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/win32_file_system.h"
#include "platform/win32_handle.h"
#include "preview/fake_print_spooler.h"
#include "support/fake_clock.h"
#include "support/fake_regional_settings.h"
#include "support/fake_timer_driver.h"
#include "support/recording_shell.h"
#include "support/records.h"
#include "ui/ui_test_support.h"
#include "win32/temp_folder.h"

namespace natalo::testing {

// The real file system, with a disk that can fill up: once the writes it allows are
// used up, a write stores nothing.
class FillingDisk : public FileSystem {
  public:
    // Nothing: no limit.
    std::optional<int> writesLeft;

    bool Exists(const std::string& path) override { return disk_.Exists(path); }
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
        return std::make_unique<LimitedFile>(disk_.Open(path, mode), writesLeft);
    }
    void Replace(const std::string& replaced, const std::string& replacement) override {
        disk_.Replace(replaced, replacement);
    }
    void Remove(const std::string& path) override { disk_.Remove(path); }

  private:
    class LimitedFile : public File {
      public:
        LimitedFile(std::unique_ptr<File> file, std::optional<int>& writesLeft)
            : file_(std::move(file)), writesLeft_(writesLeft) {}
        std::uint64_t Size() override { return file_->Size(); }
        std::size_t ReadAt(std::uint64_t offset, std::span<std::byte> data) override {
            return file_->ReadAt(offset, data);
        }
        std::size_t WriteAt(std::uint64_t offset, std::span<const std::byte> data) override {
            if (writesLeft_ && (*writesLeft_)-- <= 0)
                return 0;
            return file_->WriteAt(offset, data);
        }
        void Truncate(std::uint64_t size) override { file_->Truncate(size); }
        void Flush() override { file_->Flush(); }

      private:
        std::unique_ptr<File> file_;
        std::optional<int>& writesLeft_;
    };

    Win32FileSystem disk_;
};

class ProgramTest : public ui::testing::UiTest {
  protected:
    void TearDown() override {
        ::SetFileAttributesA(DataPath().c_str(), FILE_ATTRIBUTE_NORMAL);
        program.reset();
        ui::testing::UiTest::TearDown();
    }

    // Writes the records as data.dat, then creates the windows as start-up does (the first
    // birthday window is the test's to show).
    void Start(const std::vector<AddressRecord>& records = {}) {
        StartWithFile(FileTextOf(records));
    }
    void StartWithFile(const std::string& content) {
        program.reset();
        WriteWholeFile(DataPath(), content);
        StartOverDataFile();
    }
    // Creates the windows over whatever data.dat the folder holds (or none).
    void StartOverDataFile() {
        program.reset();
        ProgramSeams seams;
        seams.chooseImportFile = [this](HWND) { return chosenFile; };
        seams.chooseExportFile = [this](HWND) { return chosenFile; };
        seams.chooseVCardFile = [this](HWND) { return chosenFile; };
        seams.chooseCalendarFile = [this](HWND) { return chosenFile; };
        seams.choosePrint = [this](HWND, int totalPages, TPrinter&) {
            printDialogPages.push_back(totalPages);
            return printChoice;
        };
        seams.spooler = spooler;
        seams.timers = timers;
        program = std::make_unique<Program>(environment, std::move(seams));
        input = &program->Input();
    }

    std::string DataPath() const { return folder.File("data.dat"); }
    // What the data file holds now, read back from the disk at once.
    std::string FileBytes() const { return ReadWholeFile(DataPath()); }
    std::size_t RecordsOnDisk() const { return FileBytes().size() / kRecordSize; }
    AddressRecord RecordOnDisk(std::size_t index) const { return RecordsOf(FileBytes()).at(index); }
    std::vector<std::string> FirstNamesOnDisk() const {
        std::vector<std::string> names;
        for (const AddressRecord& record : RecordsOf(FileBytes()))
            names.push_back(record.FirstName);
        return names;
    }
    // Adds a record behind the program's back, as another program could.
    void AppendRecordOnDisk(const AddressRecord& record) const {
        UniqueFile file(::CreateFileA(DataPath().c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                      nullptr));
        const std::string bytes = FileTextOf({record});
        DWORD put = 0;
        ASSERT_TRUE(
            ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr));
    }

    TempFolder folder;
    FakeClock clock{{2026, 12, 20}};
    FakeRegionalSettings regional{"dd.MM.yyyy", "."};
    FillingDisk files;
    RecordingShell shell;
    Environment environment{clock, regional, files, folder.Path(), shell};
    // What the file dialogs answer: a path, or nothing for Cancel.
    std::optional<std::string> chosenFile;
    // What the print dialog answers, and the page counts it was opened with.
    std::optional<PrintChoice> printChoice;
    std::vector<int> printDialogPages;
    // One A4 printer that prints nowhere: the printer side as the spooler tells it.
    std::shared_ptr<FakePrintSpooler> spooler = std::make_shared<FakePrintSpooler>();
    std::shared_ptr<FakeTimerDriver> timers = std::make_shared<FakeTimerDriver>();
    std::unique_ptr<Program> program;
    TInput* input = nullptr;  // the main window of the running program
};

}  // namespace natalo::testing
