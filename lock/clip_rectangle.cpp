#include "lock/clip_rectangle.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lock {
namespace {

// Sums in 64 bits, so huge arguments cannot overflow into a wrong edge.
int Edge(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

ClipRectangle ClipRectangleFor(int left, int top, int width, int height, int screenWidth, int screenHeight) {
    const std::int64_t right = width != 0 ? std::int64_t{left} + width : std::int64_t{screenWidth} - left;
    const std::int64_t bottom = height != 0 ? std::int64_t{top} + height : std::int64_t{screenHeight} - top;
    return {left, top, Edge(right), Edge(bottom)};
}

}  // namespace lock
