// The file dialogs of the import and the exports: the common open and save dialogs. The
// windows and commands that use them take a FileChooser, so that tests can choose a file
// without driving a common dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace natalo {

// The chosen path, or nothing when the user cancelled.
using FileChooser = std::function<std::optional<std::string>(HWND owner)>;

// The open dialog: filters "Texte|*.txt" (the default), "vCard|*.vcf" and "All files|*.*";
// default extension txt.
std::optional<std::string> ShowImportOpenDialog(HWND owner);
// The save dialogs: a prompt before an existing file is overwritten, no read-only box,
// resizable. The list: "export.txt", "Texte|*.txt"; the vCard export: "natalo.vcf",
// "vCard|*.vcf"; the calendar: "birthdays.ics", "iCalendar|*.ics".
std::optional<std::string> ShowExportSaveDialog(HWND owner);
std::optional<std::string> ShowVCardSaveDialog(HWND owner);
std::optional<std::string> ShowCalendarSaveDialog(HWND owner);

}  // namespace natalo
