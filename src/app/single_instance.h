// The guard against a second running copy: a named mutex owned by the first copy for its
// whole run.
#pragma once

#include "platform/win32_handle.h"

namespace natalo {

inline constexpr const char* kSingleInstanceMutexName = "Zozerodivodurorudu";
inline constexpr const char* kProgramKeyPath = "Software\\Zarnik Computers\\Natalo";

class SingleInstance {
  public:
    // Creates the mutex; AlreadyRunning() tells whether another copy had created it.
    explicit SingleInstance(const char* name = kSingleInstanceMutexName);
    bool AlreadyRunning() const { return alreadyRunning_; }

  private:
    UniqueKernelHandle mutex_;
    bool alreadyRunning_ = false;
};

// Opens the program's key under HKEY_LOCAL_MACHINE, creating it when missing, and keeps it
// open for the object's lifetime. Without the rights to create it nothing happens.
class ProgramKey {
  public:
    ProgramKey();
    bool IsOpen() const { return static_cast<bool>(key_); }

    // The key goes with the program when nothing is in it, and so does the company key
    // above it; without the rights nothing happens.
    static void DeleteWhenEmpty();

  private:
    UniqueRegistryKey key_;
};

}  // namespace natalo
