// Windows' MulDiv, portable: a * b / c in 64 bits, rounded half away from zero.
#pragma once
#include <cstdint>

namespace app {

constexpr int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    if (c < 0) {
        a = -a;
        c = -c;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = c / 2;
    const std::int64_t result = product >= 0 ? (product + half) / c : (product - half) / c;
    if (result > 2147483647 || result < -2147483647) return -1;
    return static_cast<int>(result);
}

}  // namespace app
