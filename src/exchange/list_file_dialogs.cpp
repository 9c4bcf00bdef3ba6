#include "exchange/list_file_dialogs.h"

#include <commdlg.h>

#include <array>
#include <string_view>

namespace natalo {
namespace {

using PathBuffer = std::array<char, 4096>;

// A filter as the common dialogs want it: pairs of texts, the list ending in an empty
// text. The default extension has no period: the dialog appends "." and it when the user
// types no extension.
struct FileKind {
    const char* filter;
    const char* defaultExtension;
};

constexpr FileKind kImportList{"Texte\0*.txt\0vCard\0*.vcf\0All files\0*.*\0", "txt"};
constexpr FileKind kTextList{"Texte\0*.txt\0", "txt"};
constexpr FileKind kVCards{"vCard\0*.vcf\0", "vcf"};
constexpr FileKind kCalendar{"iCalendar\0*.ics\0", "ics"};

OPENFILENAMEA DialogSettings(HWND owner, const FileKind& kind, PathBuffer& path) {
    OPENFILENAMEA settings{};
    settings.lStructSize = sizeof settings;
    settings.hwndOwner = owner;
    settings.lpstrFilter = kind.filter;
    settings.nFilterIndex = 1;
    settings.lpstrFile = path.data();
    settings.nMaxFile = static_cast<DWORD>(path.size());
    settings.lpstrDefExt = kind.defaultExtension;
    settings.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    return settings;
}

std::optional<std::string> ShowSaveDialog(HWND owner, const FileKind& kind,
                                          std::string_view suggestedName) {
    PathBuffer path{};
    suggestedName.copy(path.data(), suggestedName.size());
    OPENFILENAMEA settings = DialogSettings(owner, kind, path);
    settings.Flags |= OFN_OVERWRITEPROMPT;
    if (!::GetSaveFileNameA(&settings))
        return std::nullopt;
    return std::string(path.data());
}

}  // namespace

std::optional<std::string> ShowImportOpenDialog(HWND owner) {
    PathBuffer path{};
    OPENFILENAMEA settings = DialogSettings(owner, kImportList, path);
    if (!::GetOpenFileNameA(&settings))
        return std::nullopt;
    return std::string(path.data());
}

std::optional<std::string> ShowExportSaveDialog(HWND owner) {
    return ShowSaveDialog(owner, kTextList, "export.txt");
}

std::optional<std::string> ShowVCardSaveDialog(HWND owner) {
    return ShowSaveDialog(owner, kVCards, "natalo.vcf");
}

std::optional<std::string> ShowCalendarSaveDialog(HWND owner) {
    return ShowSaveDialog(owner, kCalendar, "birthdays.ics");
}

}  // namespace natalo
