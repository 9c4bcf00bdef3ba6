#include "app/single_instance.h"

namespace natalo {

SingleInstance::SingleInstance(const char* name)
    : mutex_(::CreateMutexA(nullptr, TRUE, name)),
      alreadyRunning_(::GetLastError() == ERROR_ALREADY_EXISTS) {}

ProgramKey::ProgramKey() {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProgramKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        key_.reset(key);
    }
}

void ProgramKey::DeleteWhenEmpty() {
    for (const char* path : {kProgramKeyPath, "Software\\Zarnik Computers"}) {
        HKEY opened = nullptr;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &opened) != ERROR_SUCCESS)
            return;
        UniqueRegistryKey key(opened);
        DWORD subkeys = 1;
        DWORD values = 1;
        ::RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                           &values, nullptr, nullptr, nullptr, nullptr);
        key.reset();
        if (subkeys != 0 || values != 0 ||
            ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, path) != ERROR_SUCCESS)
            return;
    }
}

}  // namespace natalo
