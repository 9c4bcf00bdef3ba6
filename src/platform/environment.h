// What the program takes from its surroundings, gathered so that tests can hand in a fixed
// today, fixed regional settings, a data folder of their own and a shell that only notes
// what it was asked to open.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/regional_settings.h"
#include "platform/shell.h"

namespace natalo {

struct Environment {
    const Clock& clock;
    const RegionalSettings& regional;
    FileSystem& files;
    // The folder of data.dat, ending in its separator (the executable's folder).
    std::string dataDirectory;
    Shell& shell;
};

}  // namespace natalo
