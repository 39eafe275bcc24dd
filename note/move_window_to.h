// MoveWindowTo: moves and sizes a window; each omitted value keeps the
// window's current one (outer rectangle, screen pixels).
#pragma once
#include <windows.h>

#include <optional>

namespace note {

void MoveWindowTo(HWND window, std::optional<int> x = {}, std::optional<int> y = {}, std::optional<int> width = {},
                  std::optional<int> height = {});

}  // namespace note
