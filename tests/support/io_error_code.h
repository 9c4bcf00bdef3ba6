// The code of the input/output error an operation raises, or 0 when it raises none.
#pragma once

#include <functional>

#include "platform/io_error.h"

namespace natalo::testing {

inline int IoErrorCodeOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const EInOutError& e) {
        return e.ErrorCode();
    }
    return 0;
}

}  // namespace natalo::testing
