// MainWindow: the note editor, its two buttons, the hidden label that hears
// of hot keys, the About timer, the font dialog and the context menu.
#pragma once
#include <windows.h>

#include <string>

#include "app/control_font.h"
#include "app/font_dialog.h"
#include "app/form_timer.h"
#include "app/unique_handle.h"

namespace app {

// Control identifiers; kept clear of IDOK and IDCANCEL, which the dialog
// manager sends for Enter and Esc.
enum ControlId : int {
    kIdLabel = 101,
    kIdFontButton = 102,
    kIdNoteButton = 103,
    kIdEditor = 104,
    kIdAboutTimer = 105,
};

class MainWindow {
public:
    // What the destruction handler does last: the program passes ExitProcess(0);
    // test drivers that host the window pass something gentler.
    using EndProgram = void (*)();

    static constexpr int kWidth = 325;
    static constexpr int kHeight = 246;

    MainWindow(HINSTANCE instance, EndProgram endProgram);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    // Creates the window with its controls and runs the creation handler;
    // false when the window cannot be created. Does not show it.
    bool Create();
    void Show();
    // The message loop's keyboard handling for MainWindow: Tab moves between
    // the controls, Enter presses a focused button; Esc closes nothing.
    // True when the message has been dealt with.
    bool PreTranslate(MSG& message);

    HWND Handle() const { return window_; }
    HWND Label() const { return 标签1_; }
    HWND Editor() const { return 编辑框1写字_; }
    HWND FontButton() const { return 按钮1字体_; }
    HWND NoteButton() const { return 按钮1写字_; }

    bool Visible() const;
    void SetVisible(bool visible);
    RECT Rect() const;  // outer rectangle in screen coordinates
    void SetTitle(const char* title);

    std::string EditorText() const;
    void SetEditorText(const char* text);
    COLORREF EditorTextColour() const { return editorTextColour_; }
    void SetEditorTextColour(COLORREF colour);
    ControlFont& EditorFont() { return editorFont_; }

    FormTimer& AboutTimer() { return 时钟1关于_; }
    FontDialog& FontDialogComponent() { return 通用对话框1_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateControls();
    void OnCreated();
    void OnCommand(int id);
    void OnDestroy();
    void ShowContextMenu();
    void AskToClearNote();
    static void ShowHelpBox();

    HINSTANCE instance_;
    EndProgram endProgram_;
    HWND window_ = nullptr;
    HFONT windowFont_ = nullptr;  // the stock DEFAULT_GUI_FONT; not owned
    HWND 标签1_ = nullptr;
    HWND 按钮1字体_ = nullptr;
    HWND 按钮1写字_ = nullptr;
    HWND 编辑框1写字_ = nullptr;
    HWND focusedControl_ = nullptr;  // the control to get the focus when the window is activated
    WNDPROC editorDefaultProc_ = nullptr;
    WNDPROC labelDefaultProc_ = nullptr;
    FormTimer 时钟1关于_{kIdAboutTimer};
    FontDialog 通用对话框1_;
    ControlFont editorFont_;
    COLORREF editorTextColour_ = 0x0000FF;
    static constexpr COLORREF kEditorBackground = 0xFFFFFF;
    UniqueBrush editorBackground_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
};

}  // namespace app
