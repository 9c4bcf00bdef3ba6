// Unix programs run from a test under Wine (poppler, xdotool), and the Wine path of a Unix
// path (the Unix root is drive Z:).
#pragma once

#include <optional>
#include <string>

namespace natalo::testing {

std::string WinePath(const std::string& unixPath);

// Runs the command line with /bin/sh and waits until it has finished: its standard
// output, or nothing when it could not start or did not end in time.
std::optional<std::string> RunUnixProgram(const std::string& commandLine);

}  // namespace natalo::testing
