// The main window's tray icon, tray menu, daily timer and autostart entry.
#include "addressbook/main_window.h"

namespace natalo {

// Not built yet: no tray icon, and "Start with Windows" is never read.
void TInput::CreateTrayIcon() {}
void TInput::ReadAutostartState() {}

}  // namespace natalo
