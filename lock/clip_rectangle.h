// The rectangle ClipCursorToRect confines the cursor to.
#pragma once

namespace lock {

struct ClipRectangle {
    int left;
    int top;
    int right;
    int bottom;

    friend bool operator==(const ClipRectangle&, const ClipRectangle&) = default;
};

// A width of 0 puts the right edge at screenWidth - left, leaving the same
// margin on the right as on the left; a height of 0 does the same for the
// bottom edge. Edges beyond the range of int are held at its limits.
ClipRectangle ClipRectangleFor(int left, int top, int width, int height, int screenWidth, int screenHeight);

}  // namespace lock
