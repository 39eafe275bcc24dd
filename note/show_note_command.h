// ShowNoteCommand: the click handler of 按钮1写字 ("屏笺").
#pragma once

namespace app {
class MainWindow;
}

namespace note {

void ShowNoteCommand(app::MainWindow& mainWindow);

}  // namespace note
