// Unix programs run from a test under Wine (xdotool, poppler, msitools), and paths between
// the two sides.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace natalo::testing {

// The Wine path of a Unix path: Wine shows the root as drive Z:.
std::string WinePath(const std::string& unixPath);

// Runs a command line with /bin/sh (Wine hands on the Unix environment, the display
// included) and returns its standard output once it has finished; nothing when it could
// not start or did not finish in time.
std::optional<std::string> RunUnixCommand(
    const std::string& commandLine, std::chrono::milliseconds timeout = std::chrono::seconds(20));

}  // namespace natalo::testing
