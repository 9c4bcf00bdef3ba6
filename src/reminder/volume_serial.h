// The installation id of the greeting links, read from the system: the serial number of
// drive C: as eight upper-case hex digits, empty text when the system cannot tell it.
#pragma once

#include <string>

namespace natalo {

std::string VolumeSerialHex();

}  // namespace natalo
