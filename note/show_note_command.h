// ShowNoteCommand: the click handler of 按钮1写字 ("屏笺").
#pragma once

namespace app {
class MainWindow;
}

namespace note {

class NoteWindow;

void ShowNoteCommand(app::MainWindow& mainWindow);

// The note window the first command created; nullptr before that. It stays
// until the program ends.
NoteWindow* ExistingNoteWindow();

}  // namespace note
