// ChooseNoteFont: the click handler of 按钮1字体 ("字体选择").
#pragma once

namespace app {

class MainWindow;

void ChooseNoteFont(MainWindow& mainWindow);

}  // namespace app
