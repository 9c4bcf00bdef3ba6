// Natalo's entry point: refuses a second copy, creates the windows hidden in their order,
// and runs the message loop until the main window is closed.
#include <windows.h>

#include <exception>
#include <memory>

#include "addressbook/address_editor.h"
#include "addressbook/main_window.h"
#include "app/single_instance.h"
#include "exchange/import_dialog.h"
#include "platform/win32_environment.h"
#include "platform/win32_file_system.h"
#include "reminder/about_window.h"
#include "reminder/birthday_window.h"
#include "reminder/browser_window.h"
#include "reminder/tell_a_friend_window.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace natalo;

    // Before anything else: a second copy ends silently, the running one is not told.
    SingleInstance singleInstance;
    if (singleInstance.AlreadyRunning())
        return 0;

    ui::Application& app = ui::App();
    app.Initialize(instance);
    app.SetShowMainForm(false);
    app.SetTitle("Der Zozerodivodurorudu");

    Win32Clock clock;
    Win32RegionalSettings regional;
    Win32FileSystem files;
    const Environment environment{clock, regional, files, ExecutableDirectory()};

    try {
        // Created in this order, all hidden; the first becomes the main form.
        auto input = std::make_unique<TInput>(environment);
        auto frmerf = std::make_unique<Tfrmerf>();
        auto frmImport = std::make_unique<TfrmImport>(environment);
        auto form1 = std::make_unique<TForm1>();
        auto form3 = std::make_unique<TForm3>();
        auto about = std::make_unique<TAbout>();
        // The birthday windows go before the main window whose data file they read.
        struct BirthdayWindowsOwner {
            ~BirthdayWindowsOwner() { FreeBirthdayWindows(); }
        } birthdayWindows;
        {
            // Opened (created when missing) and closed again; without the rights to
            // create it, start-up goes on unchanged.
            ProgramKey programKey;
            ShowNewBirthdayWindow(*input);
        }
        app.Run();
        return 0;
    } catch (...) {
        app.HandleCurrentException();
        return 1;
    }
}
