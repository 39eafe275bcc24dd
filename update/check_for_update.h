// CheckForUpdate: the menu item "检测升级".
#pragma once

namespace app {
class MainWindow;
}

namespace update {

void CheckForUpdate(app::MainWindow& mainWindow);

}  // namespace update
