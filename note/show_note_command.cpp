// ShowNoteCommand puts the note on the desktop, hides MainWindow and offers
// to lock the mouse to the note while the user is away.
#include "note/show_note_command.h"

#include <memory>

#include "app/main_window.h"
#include "app/self_closing_notice.h"
#include "lock/mouse_lock.h"
#include "note/note_window.h"

namespace note {
namespace {

// NoteWindow, created by the first command and kept for the program's life.
std::unique_ptr<NoteWindow> noteWindow;

// Creates the note on the first press; later presses only bring it forward,
// so it keeps the text, font and colour it was made with.
void OpenNoteWindow(app::MainWindow& mainWindow) {
    if (noteWindow) {
        if (IsIconic(noteWindow->Handle()))
            ShowWindow(noteWindow->Handle(), SW_RESTORE);
        else
            SetActiveWindow(noteWindow->Handle());
        return;
    }
    auto created = std::make_unique<NoteWindow>();
    if (!created->Create(mainWindow)) return;  // not reported: the command goes on
    noteWindow = std::move(created);
    ShowWindow(noteWindow->Handle(), SW_SHOW);
}

}  // namespace

NoteWindow* ExistingNoteWindow() { return noteWindow.get(); }

void ShowNoteCommand(app::MainWindow& mainWindow) {
    try {
        OpenNoteWindow(mainWindow);
        mainWindow.SetVisible(false);
        if (MessageBoxA(nullptr, "是否锁定鼠标？", "提示信息", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) != IDYES)
            return;
        lock::LockMouse();
        if (noteWindow) {
            const RECT rect = noteWindow->Rect();
            lock::ClipCursorToRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        }
        app::ShowNotice("鼠标已锁定", "鼠标锁定");
    } catch (...) {
        // Called from MainWindow's window procedure: nothing may escape.
    }
}

}  // namespace note
