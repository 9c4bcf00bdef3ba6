// The program-wide references to the windows, as the windows reach each other: the main
// window is the hub, the others call its services through these references. Set when a
// window is created (at start-up, or by a test), cleared when it goes away.
#pragma once

namespace natalo {

class TInput;
class Tfrmerf;

struct ProgramWindows {
    TInput* Input = nullptr;
    Tfrmerf* frmerf = nullptr;
};

ProgramWindows& Windows();

}  // namespace natalo
