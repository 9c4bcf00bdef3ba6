// Natalo's entry point: refuses a second copy, creates the program with its windows hidden
// in their order, shows the first birthday window and runs the message loop until the
// main window is closed.
#include <windows.h>

#include "app/program.h"
#include "app/single_instance.h"
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
    Win32Shell shell;
    const Environment environment{clock, regional, files, ExecutableDirectory(), shell};

    try {
        Program program(environment);
        program.Start();
        app.Run();
        return 0;
    } catch (...) {
        app.HandleCurrentException();
        return 1;
    }
}
