// Ending the copies of natalo.exe that run from one path, as an installer must before it
// replaces or removes that file.
#pragma once

#include <chrono>
#include <string>

namespace natalo {

// Asks every copy of the executable that runs to end (the close request its main form
// answers), waits until each has, and ends one that has not after `patience` (hung, or
// held by a dialog of the system): every change is on disk already, so nothing written is
// lost. Copies started from other paths are left alone. Whether none of them runs now.
bool CloseRunningCopies(const std::string& executablePath, std::chrono::milliseconds patience);

}  // namespace natalo
