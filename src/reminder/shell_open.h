// Hands a web or "mailto:" address to the shell's "open" action: the user's default web
// browser or mail program takes it. Tests put a handler in its place to see what would
// have been opened without starting another program.
#pragma once

#include <functional>
#include <string>

namespace natalo {

void ShellOpen(const std::string& address);

// Replaces the shell for the addresses opened from now on; an empty handler restores it.
void SetShellOpenHandler(std::function<void(const std::string& address)> handler);

}  // namespace natalo
