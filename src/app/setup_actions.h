// Carrying out what an installer asks of natalo.exe (setup_request.h), in the order the
// switches need: first the running copies end, then the registrations change.
#pragma once

#include "app/setup_request.h"

namespace natalo {

// The exit code for the installer: 0 when everything asked for is done.
int CarryOut(const SetupRequest& request);

}  // namespace natalo
