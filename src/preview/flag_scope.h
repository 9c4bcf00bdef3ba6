// Sets a flag for the length of a scope and clears it at the end, also when an exception
// leaves the scope: the guard of operations that must not run inside themselves.
#pragma once

namespace natalo {

class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
};

}  // namespace natalo
