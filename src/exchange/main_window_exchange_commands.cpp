// The main window's Data menu commands: import and export of semicolon-separated lists.
#include "addressbook/main_window.h"

namespace natalo {

// The import dialog and the export are not wired up yet: the menu items do nothing.
void TInput::ImportClick() {}
void TInput::ExportClick() {}

}  // namespace natalo
