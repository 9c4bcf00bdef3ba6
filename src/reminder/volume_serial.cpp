#include "reminder/volume_serial.h"

#include <windows.h>

#include <optional>

#include "reminder/installation_id.h"

namespace natalo {

std::string VolumeSerialHex() {
    DWORD serial = 0;
    if (!::GetVolumeInformationA("C:\\", nullptr, 0, &serial, nullptr, nullptr, nullptr, 0))
        return InstallationIdText(std::nullopt);
    return InstallationIdText(serial);
}

}  // namespace natalo
