// CheckForUpdate: the menu item "检测升级". Puts the updater on disk, fetches
// and reads the manifest, and on a newer version and the user's OK starts the
// updater with the manifest's values and ends the program.
#pragma once

namespace app {
class MainWindow;
}

namespace update {

void CheckForUpdate(app::MainWindow& mainWindow);

}  // namespace update
