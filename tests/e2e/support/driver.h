// What an end-to-end test needs to work a real program from outside: start
// it, find its windows, read them, and send input as a user would. Every
// wait polls against a deadline.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Folder of the built executables (dist/), as a Windows path.
std::string DistDir();
std::string DistPath(const std::string& name);  // DistDir() + "\\" + name

// Polls condition every 20 ms until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 10000);

// A started program. Its process is ended when the object goes away, so a
// failing test leaves nothing behind; a job object ends it too should the
// driver itself die.
class Program {
public:
    // quotePath false writes the path unquoted, as a careless caller would;
    // the executable is then named apart, so the line reaches it as written.
    Program(const std::string& exePath, const std::string& arguments = "", const std::string& directory = "",
            bool quotePath = true);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    HANDLE Process() const { return process_; }
    // Waits for the end; false on time-out. exitCode receives the code.
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr) const;
    bool Running() const;
    void Kill();

private:
    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;
    DWORD id_ = 0;
};

// Ends every process of the given executable names (case-insensitive), left
// over from an earlier test; the driver itself is spared.
void KillStrayProcesses(const std::vector<std::string>& exeNames);

// A visible top-level window of a process with the exact title (any title
// when empty) and class (any when empty); nullptr when there is none.
HWND FindTopWindow(DWORD processId, const std::string& title, const std::string& className = "");
HWND WaitForTopWindow(DWORD processId, const std::string& title, const std::string& className = "",
                      DWORD milliseconds = 10000);
// A message box ("#32770") of the process with that caption.
HWND WaitForMessageBox(DWORD processId, const std::string& caption, DWORD milliseconds = 10000);
// All visible popup menus ("#32768") on the desktop.
std::vector<HWND> VisibleMenus();

std::string WindowText(HWND window);
std::string ClassOf(HWND window);
std::string BoxText(HWND box);  // a message box's text, item 0xFFFF
RECT WindowRectOf(HWND window);
RECT ClientRectOnScreen(HWND window);
HWND ChildById(HWND parent, int id);

// Input through SendInput, as the user's hand would give it.
void MoveCursorTo(int x, int y);
void Click(int x, int y, bool right = false);
void DoubleClick(int x, int y);
void Drag(int fromX, int fromY, int toX, int toY);
void PressKey(WORD key);
void PressKeys(std::initializer_list<WORD> keys);  // pressed in order, released in reverse
void TypeText(const std::string& ascii);
// Alt + a letter, as the hot keys want it.
inline void PressAlt(WORD key) { PressKeys({VK_MENU, key}); }
// Makes window the foreground window, so keys reach it.
bool BringToFront(HWND window);

// Runs a Linux program (Wine starts Unix executables too) and waits for it;
// returns its exit code, or -1 when it could not start or did not end in time.
// Wine hands back no process handle for a Unix program, so there it returns
// -1 at once without waiting; support/road_unix.h waits through a file.
int RunUnixCommand(const std::string& commandLine, DWORD milliseconds = 20000);
// A drag with the X server's own pointer (xdotool), for what only the window
// manager sees: SendInput's button presses never reach X.
void XDrag(int fromX, int fromY, int toX, int toY);

// Screen pixels (0x00BBGGRR) of a rectangle, read from the desktop.
std::vector<COLORREF> CapturePixels(const RECT& rect);

}  // namespace e2e
