// The About box that counts down and closes itself.
#pragma once

namespace app {
class MainWindow;
}

namespace about {

// Ticks left before the box is closed; 6 whenever no countdown runs.
extern int AboutCountdown;

void ShowAboutBox(app::MainWindow& mainWindow);  // the menu item "关于"
void OnAboutTick(app::MainWindow& mainWindow);   // a tick of 时钟1关于

}  // namespace about
