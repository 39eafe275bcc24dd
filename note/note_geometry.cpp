#include "note/note_geometry.h"

namespace note {

Origin NoteOrigin(int screenWidth, int screenHeight) {
    // Halved as floating point and truncated: the same as integer division.
    return {static_cast<int>(screenWidth / 2.0), static_cast<int>(screenHeight / 2.0)};
}

Bounds MoveTarget(int left, int top, int right, int bottom, std::optional<int> x, std::optional<int> y,
                  std::optional<int> width, std::optional<int> height) {
    return {x.value_or(left), y.value_or(top), width.value_or(right - left), height.value_or(bottom - top)};
}

}  // namespace note
