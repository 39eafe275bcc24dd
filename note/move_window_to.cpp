#include "note/move_window_to.h"

#include "note/note_geometry.h"

namespace note {

void MoveWindowTo(HWND window, std::optional<int> x, std::optional<int> y, std::optional<int> width,
                  std::optional<int> height) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const Bounds target = MoveTarget(rect.left, rect.top, rect.right, rect.bottom, x, y, width, height);
    MoveWindow(window, target.left, target.top, target.width, target.height, TRUE);
    UpdateWindow(window);
}

}  // namespace note
