// What an installer asks of natalo.exe instead of a normal start. Windows Installer cannot
// itself close a program, nor remove a registry value it did not write, so the installed
// program does it:
//   /close           ask the running copies of this executable to end, and wait for them;
//   /unregister      forget what the program registered itself: its autostart entry, when
//                    the entry starts this executable, and its empty program key;
//   /keep-autostart  after an upgrade, write this executable's autostart entry again when
//                    the removal of the older version took the entry away.
#pragma once

#include <optional>
#include <string_view>

namespace natalo {

struct SetupRequest {
    bool closeRunningCopies = false;
    bool unregister = false;
    bool keepAutostart = false;

    bool operator==(const SetupRequest&) const = default;
};

// The request among the words of a command line (what follows the program's path, which
// may have come unquoted, so other words are passed over); none when the words ask for
// nothing of the kind: the program then starts as always, with "/silent" or without.
// Switches are compared without regard to case, as Windows programs do.
std::optional<SetupRequest> ParseSetupRequest(std::string_view arguments);

}  // namespace natalo
