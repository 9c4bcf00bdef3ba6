#include "exchange/list_file_dialogs.h"

#include <commdlg.h>

#include <array>

namespace natalo {
namespace {

// "Texte|*.txt" as the common dialogs want it: pairs of texts, the list ending in an
// empty text.
constexpr char kTextFilter[] = "Texte\0*.txt\0";
// Without a period: the dialog appends "." and this when the user types no extension.
constexpr char kDefaultExtension[] = "txt";

using PathBuffer = std::array<char, 4096>;

OPENFILENAMEA ListDialogSettings(HWND owner, PathBuffer& path) {
    OPENFILENAMEA settings{};
    settings.lStructSize = sizeof settings;
    settings.hwndOwner = owner;
    settings.lpstrFilter = kTextFilter;
    settings.nFilterIndex = 1;
    settings.lpstrFile = path.data();
    settings.nMaxFile = static_cast<DWORD>(path.size());
    settings.lpstrDefExt = kDefaultExtension;
    settings.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    return settings;
}

}  // namespace

std::optional<std::string> ShowImportOpenDialog(HWND owner) {
    PathBuffer path{};
    OPENFILENAMEA settings = ListDialogSettings(owner, path);
    if (!::GetOpenFileNameA(&settings))
        return std::nullopt;
    return std::string(path.data());
}

std::optional<std::string> ShowExportSaveDialog(HWND owner) {
    PathBuffer path{};
    constexpr std::string_view kSuggestedName = "export.txt";
    kSuggestedName.copy(path.data(), kSuggestedName.size());
    OPENFILENAMEA settings = ListDialogSettings(owner, path);
    settings.Flags |= OFN_OVERWRITEPROMPT;
    if (!::GetSaveFileNameA(&settings))
        return std::nullopt;
    return std::string(path.data());
}

}  // namespace natalo
