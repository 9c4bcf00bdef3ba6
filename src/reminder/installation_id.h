// The installation id that the greeting service links carry: the system drive's volume
// serial number as eight upper-case hex digits. Reading the serial is the Win32 side's job
// (`VolumeSerialHex`); this is the text it turns into.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace natalo {

// "0A1B2C3D"; empty text when the system could not report the volume information.
std::string InstallationIdText(std::optional<std::uint32_t> volumeSerial);

}  // namespace natalo
