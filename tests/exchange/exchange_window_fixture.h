// The main window and the import dialog over a real data file in a scratch folder, with
// fixed regional settings (dd.MM.yyyy), the list file dialogs answered by the test, the
// information messages answered with OK and the default error handler's texts collected.
#pragma once

#include <windows.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "addressbook/main_window.h"
#include "exchange/import_dialog.h"
#include "exchange/list_file_dialogs.h"
#include "platform/win32_file_system.h"
#include "platform/win32_handle.h"
#include "support/fake_clock.h"
#include "support/fake_regional_settings.h"
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

      private:
        std::unique_ptr<File> file_;
        std::optional<int>& writesLeft_;
    };

    Win32FileSystem disk_;
};

// Clicks OK on every information message that comes up while it lives, and keeps the
// texts it showed.
class MessageAnswerer {
  public:
    MessageAnswerer() {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, 20, &MessageAnswerer::Tick);
    }
    ~MessageAnswerer() {
        ::KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    MessageAnswerer(const MessageAnswerer&) = delete;
    MessageAnswerer& operator=(const MessageAnswerer&) = delete;

    std::vector<std::string> texts;

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = ::FindWindowA("#32770", "Information");
        if (!current_ || !box || !::IsWindowVisible(box))
            return;
        std::string text;
        for (HWND child = ::GetWindow(box, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            char name[32] = {};
            ::GetClassNameA(child, name, sizeof name);
            if (::lstrcmpiA(name, "Static") == 0 && text.empty())
                text = ui::testing::WindowText(child);
        }
        current_->texts.push_back(text);
        ::SendMessageA(ui::testing::FindChild(box, "Button", "OK"), BM_CLICK, 0, 0);
    }

    static inline MessageAnswerer* current_ = nullptr;
    UINT_PTR timer_ = 0;
};

class ExchangeWindowTest : public ui::testing::UiTest {
  protected:
    void SetUp() override {
        ui::testing::UiTest::SetUp();
        savedDialogs_ = ExchangeFileDialogs();
        ExchangeFileDialogs().chooseImportFile = [this](HWND) { return chosenFile; };
        ExchangeFileDialogs().chooseExportFile = [this](HWND) { return chosenFile; };
    }
    void TearDown() override {
        ::SetFileAttributesA(DataPath().c_str(), FILE_ATTRIBUTE_NORMAL);
        dialog.reset();
        input.reset();
        ExchangeFileDialogs() = savedDialogs_;
        ui::testing::UiTest::TearDown();
    }

    // Writes the records as data.dat, then creates the windows as start-up does.
    void Start(const std::vector<AddressRecord>& records = {}) {
        const auto bytes = FileOf(records);
        StartWithBytes(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    void StartWithBytes(const std::string& dataFile) {
        WriteWholeFile(DataPath(), dataFile);
        input = std::make_unique<TInput>(environment);
        dialog = std::make_unique<TfrmImport>(environment);
    }

    // The Import command with the text typed into the dialog (or the text it kept) and
    // "Import" clicked. A dialog left open by a failure is closed afterwards.
    void ImportThroughCommand(const std::optional<std::string>& text) {
        ui::testing::RunLater([this, text] {
            if (text)
                dialog->Import().SetText(*text);
            dialog->cmdImport().Click();
            dialogStayedOpen = dialog->Visible();
            errorsOfTheImport = errors_;
            if (dialogStayedOpen)
                dialog->Close();
        });
        input->ImportClick();
    }

    // Data > Export, as the menu sends it.
    void ExportThroughMenu() {
        ::SendMessageA(input->Handle(), WM_COMMAND, static_cast<WPARAM>(input->ExportCommand()), 0);
    }

    std::string DataPath() const { return folder.File("data.dat"); }
    std::size_t RecordsOnDisk() const { return ReadWholeFile(DataPath()).size() / kRecordSize; }
    AddressRecord RecordOnDisk(std::size_t index) const {
        const std::string bytes = ReadWholeFile(DataPath());
        RecordBytes record;
        std::memcpy(record.data(), bytes.data() + index * kRecordSize, kRecordSize);
        return DecodeRecord(record);
    }
    // Adds a record behind the program's back, as another program could.
    void AppendRecordOnDisk(const AddressRecord& record) const {
        const RecordBytes bytes = EncodeRecord(record);
        UniqueFile file(::CreateFileA(DataPath().c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                      nullptr));
        DWORD put = 0;
        ASSERT_TRUE(
            ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr));
    }
    std::vector<std::string> FirstNamesOnDisk() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < RecordsOnDisk(); ++i)
            names.push_back(RecordOnDisk(i).FirstName);
        return names;
    }

    TempFolder folder;
    FakeClock clock;
    FakeRegionalSettings regional{"dd.MM.yyyy", "."};
    FillingDisk files;
    Environment environment{clock, regional, files, folder.Path()};
    std::unique_ptr<TInput> input;
    std::unique_ptr<TfrmImport> dialog;
    MessageAnswerer messages;
    // What the file dialogs answer: a path, or nothing for Cancel.
    std::optional<std::string> chosenFile;
    bool dialogStayedOpen = false;
    // What the default error handler was given before the dialog was closed.
    std::vector<std::string> errorsOfTheImport;

  private:
    ListFileDialogs savedDialogs_;
};

}  // namespace natalo::testing
