#include "app/font_choice.h"

#include "app/main_window.h"

namespace app {

// The editor takes the dialog's settings after OK and after Cancel alike,
// field by field, so from the first press on it shows what the dialog holds.
void ChooseNoteFont(MainWindow& mainWindow) {
    FontDialog& dialog = mainWindow.FontDialogComponent();
    dialog.Open(mainWindow.Handle());

    ControlFont& font = mainWindow.EditorFont();
    font.SetSize(dialog.size);
    font.SetFaceName(dialog.faceName);
    font.SetBold(dialog.bold);
    font.SetItalic(dialog.italic);
    font.SetStrikeOut(dialog.strikeOut);
    font.SetUnderline(dialog.underline);
    mainWindow.SetEditorTextColour(dialog.colour);
}

}  // namespace app
