#include "reminder/installation_id.h"

#include <cstdio>

namespace natalo {

std::string InstallationIdText(std::optional<std::uint32_t> volumeSerial) {
    if (!volumeSerial)
        return {};
    char text[9];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(*volumeSerial));
    return text;
}

}  // namespace natalo
