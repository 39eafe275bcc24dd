#include "app/main_window.h"
#include "note/show_note_command.h"

namespace note {

void ShowNoteCommand(app::MainWindow&) {}

}  // namespace note
