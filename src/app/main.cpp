// Natalo's entry point: carries out an installer's request, or refuses a second copy,
// creates the program with its windows hidden in their order, shows the first birthday
// window and runs the message loop until the main window is closed.
#include <windows.h>

#include "app/program.h"
#include "app/setup_actions.h"
#include "app/single_instance.h"
#include "platform/win32_environment.h"
#include "platform/win32_file_system.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    using namespace natalo;

    // Before the single-instance check: the running copy may be the one to close.
    if (const std::optional<SetupRequest> request = ParseSetupRequest(arguments))
        return CarryOut(*request);

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
