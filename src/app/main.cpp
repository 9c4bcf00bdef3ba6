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
        {
            // Opened (created when missing) and closed again; without the rights to
            // create it, start-up goes on unchanged.
            ProgramKey programKey;
        }
        app.Run();
        return 0;
    } catch (...) {
        app.HandleCurrentException();
        return 1;
    }
}
