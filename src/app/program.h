// The program object: the one place that knows every window. It creates the windows in
// the order of start-up and owns them, owns what belongs to no single window (the lists
// each birthday schedule leaves, the birthday windows of the run), and connects the
// commands that lead from one window to another. WinMain makes one; so do the tests,
// with an environment and dialogs of their own.
#pragma once

#include "addressbook/address_editor.h"
#include "addressbook/main_window.h"
#include "exchange/import_dialog.h"
#include "exchange/list_file_dialogs.h"
#include "platform/environment.h"
#include "preview/print_spooler.h"
#include "preview/printer.h"
#include "printing/print_dialog.h"
#include "printing/print_window.h"
#include "reminder/about_window.h"
#include "reminder/birthday_lists.h"
#include "reminder/birthday_window.h"
#include "reminder/birthday_windows.h"
#include "reminder/browser_window.h"
#include "reminder/tell_a_friend_window.h"

namespace natalo {

// Where the program meets the user's system beyond its environment: the common dialogs
// that choose a file or what to print, and the printer spooler. Tests answer the dialogs
// themselves and stand in a spooler of their own.
struct ProgramSeams {
    FileChooser chooseImportFile = &ShowImportOpenDialog;
    FileChooser chooseExportFile = &ShowExportSaveDialog;
    FileChooser chooseVCardFile = &ShowVCardSaveDialog;
    FileChooser chooseCalendarFile = &ShowCalendarSaveDialog;
    PrintChooser choosePrint = &ShowPrintDialog;
    // The system's spooler when none is given.
    std::shared_ptr<PrintSpooler> spooler;
    // The timers of the main window's tray; the system's when none are given.
    std::shared_ptr<TimerDriver> timers;
};

class Program {
  public:
    // Creates every window, hidden, connects their commands, and then starts the main
    // window (its tray icon, and its data file). A window that cannot be created throws; a
    // failure inside a window's own start (the data file cannot be opened) has been
    // reported and start-up goes on.
    explicit Program(const Environment& environment, ProgramSeams seams = {});
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The last step before the message loop: the program key, and the first birthday
    // window.
    void Start();

    const Environment& Env() const { return environment_; }
    BirthdayLists& Lists() { return lists_; }
    BirthdayWindows& BirthdayWindowsOfRun() { return birthdayWindows_; }

    // The windows, by the names the program knows them by.
    TInput& Input() { return input_; }
    Tfrmerf& frmerf() { return frmerf_; }
    TfrmImport& frmImport() { return frmImport_; }
    TForm1& Form1() { return form1_; }
    TForm3& Form3() { return form3_; }
    TForm4& Form4() { return form4_; }
    TAbout& About() { return about_; }
    // The current birthday window; null before the first showing.
    TfrmDisp* frmDisp() const { return birthdayWindows_.Current(); }

  private:
    void ConnectCommands();

    Environment environment_;
    ProgramSeams seams_;
    TPrinter printer_;
    BirthdayLists lists_;
    // In the order of start-up; the first becomes the application's main form.
    TInput input_;
    Tfrmerf frmerf_;
    TfrmImport frmImport_;
    TForm1 form1_;
    TForm3 form3_;
    TForm4 form4_;
    TAbout about_;
    // Last, so that they go first: they read the main window's data file and open their
    // links in the browser window.
    BirthdayWindows birthdayWindows_;
};

}  // namespace natalo
