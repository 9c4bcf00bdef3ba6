#include "app/single_instance.h"

namespace natalo {

SingleInstance::SingleInstance(const char* name)
    : mutex_(::CreateMutexA(nullptr, TRUE, name)),
      alreadyRunning_(::GetLastError() == ERROR_ALREADY_EXISTS) {}

ProgramKey::ProgramKey() {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Zarnik Computers\\Natalo", 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) == ERROR_SUCCESS) {
        key_.reset(key);
    }
}

}  // namespace natalo
