#include "app/program_windows.h"

namespace natalo {

ProgramWindows& Windows() {
    static ProgramWindows windows;
    return windows;
}

}  // namespace natalo
