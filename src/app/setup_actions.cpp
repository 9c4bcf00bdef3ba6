#include "app/setup_actions.h"

#include "addressbook/autostart_entry.h"
#include "app/running_copies.h"
#include "app/single_instance.h"
#include "platform/win32_environment.h"
#include "platform/win32_registry.h"

namespace natalo {

int CarryOut(const SetupRequest& request) {
    const std::string executable = ExecutablePath();
    const AutostartEntry autostart(executable);
    bool done = true;
    if (request.closeRunningCopies)
        done = CloseRunningCopies(executable, std::chrono::seconds(10));
    if (request.unregister)
        ProgramKey::DeleteWhenEmpty();
    try {
        if (request.unregister && autostart.IsOn())
            autostart.SwitchOff();
        // The removal of the older version (Wine does not tell it that an upgrade is under
        // way) took the entry that started it; this executable stands at the same path.
        if (request.keepAutostart && !autostart.IsSet())
            autostart.SwitchOn();
    } catch (const ERegistryException&) {
        // An entry that is not text is no entry of this program's; a refused write is
        // reported to the installer, which goes on.
        done = false;
    }
    return done ? 0 : 1;
}

}  // namespace natalo
