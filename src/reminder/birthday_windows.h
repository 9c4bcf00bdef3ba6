// The birthday windows of the run. A new TfrmDisp is created for each showing and becomes
// the current one; earlier ones stay hidden until the next showing frees them (except one
// whose fade is still running). It also holds what the windows share: the main window
// whose data file they read, the browser window their links open in, the lists each
// schedule build leaves, and the command that the print picture runs.
#pragma once

#include <memory>
#include <vector>

#include "reminder/birthday_lists.h"
#include "ui/command.h"

namespace natalo {

class TInput;
class TForm3;
class TfrmDisp;

class BirthdayWindows {
  public:
    BirthdayWindows(TInput& input, TForm3& browser, BirthdayLists& lists);
    // Frees every birthday window (they read the main window's data file, so they go first).
    ~BirthdayWindows();
    BirthdayWindows(const BirthdayWindows&) = delete;
    BirthdayWindows& operator=(const BirthdayWindows&) = delete;

    // Creates a new birthday window, makes it the current one and shows it.
    TfrmDisp& ShowNew();
    // Hides the current window, if there is one.
    void HideCurrent();
    // The latest window created; null before the first and after FreeAll.
    TfrmDisp* Current() const { return current_; }
    // Every window still held, the current one last.
    std::vector<TfrmDisp*> All() const;
    void FreeAll();

    TInput& Input() const { return input_; }
    TForm3& Browser() const { return browser_; }
    BirthdayLists& Lists() const { return lists_; }
    // What the print picture runs; the program connects the print window to it.
    ui::Command& PrintBirthdays() { return printBirthdays_; }

  private:
    TInput& input_;
    TForm3& browser_;
    BirthdayLists& lists_;
    ui::Command printBirthdays_{"print birthdays"};
    std::vector<std::unique_ptr<TfrmDisp>> windows_;
    TfrmDisp* current_ = nullptr;
};

}  // namespace natalo
