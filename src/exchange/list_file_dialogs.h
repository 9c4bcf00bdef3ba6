// The file dialogs of the import and the export: the common open and save dialogs for
// text lists. The windows that use them take a FileChooser, so that tests can choose a
// file without driving a common dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace natalo {

// The chosen path, or nothing when the user cancelled.
using FileChooser = std::function<std::optional<std::string>(HWND owner)>;

// The open dialog: filter "Texte|*.txt", default extension txt.
std::optional<std::string> ShowImportOpenDialog(HWND owner);
// The save dialog: file name "export.txt", filter "Texte|*.txt", default extension txt,
// a prompt before an existing file is overwritten, no read-only box, resizable.
std::optional<std::string> ShowExportSaveDialog(HWND owner);

}  // namespace natalo
