// Where a window of a given outer size stands when centred on a screen.
#pragma once

namespace app {

struct Point {
    int x;
    int y;
};

// Each half is rounded toward zero, as integer division does.
constexpr Point CentredOrigin(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

}  // namespace app
