// The portable MulDiv against the system's own, which the layouts and units must match to
// the pixel.
#include "platform/mul_div.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <random>

namespace natalo {
namespace {

TEST(RoundedMulDiv, GivesWhatWindowsMulDivGives) {
    const int edges[] = {0,   1,   -1,   2,     -2,      3,        7,           -7,    96,    120,
                         144, 192, 2540, -2540, INT_MAX, -INT_MAX, INT_MAX / 2, 46341, -46341};
    for (int a : edges)
        for (int b : edges)
            for (int c : edges)
                ASSERT_EQ(RoundedMulDiv(a, b, c), ::MulDiv(a, b, c)) << a << " " << b << " " << c;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> any(-INT_MAX, INT_MAX), small(-3000, 3000);
    for (int round = 0; round < 200000; ++round) {
        const int a = round % 2 ? any(random) : small(random);
        const int b = round % 3 ? small(random) : any(random);
        const int c = round % 5 ? small(random) : any(random);
        ASSERT_EQ(RoundedMulDiv(a, b, c), ::MulDiv(a, b, c)) << a << " " << b << " " << c;
    }
}

}  // namespace
}  // namespace natalo
