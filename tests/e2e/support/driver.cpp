#include "support/driver.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace e2e {

std::string DistDir() { return E2E_DIST_DIR; }
std::string DistPath(const std::string& name) { return DistDir() + "\\" + name; }

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(20);
    }
}

Program::Program(const std::string& exePath, const std::string& arguments, const std::string& directory,
                 bool quotePath) {
    std::string commandLine = quotePath ? "\"" + exePath + "\"" : exePath;
    if (!arguments.empty()) commandLine += " " + arguments;
    job_ = CreateJobObjectA(nullptr, nullptr);
    if (job_) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(quotePath ? nullptr : exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        if (job_) AssignProcessToJobObject(job_, info.hProcess);
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

Program::~Program() {
    Kill();
    if (process_) CloseHandle(process_);
    if (job_) CloseHandle(job_);
}

bool Program::WaitForExit(DWORD milliseconds, DWORD* exitCode) const {
    if (!process_ || WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(process_, exitCode);
    return true;
}

bool Program::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

void Program::Kill() {
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
}

static std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

void KillStrayProcesses(const std::vector<std::string>& exeNames) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) continue;
        const std::string name = Lower(entry.szExeFile);
        for (const std::string& wanted : exeNames) {
            if (name != Lower(wanted)) continue;
            if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
                TerminateProcess(process, 1);
                WaitForSingleObject(process, 5000);
                CloseHandle(process);
            }
        }
    }
    CloseHandle(snapshot);
}

namespace {

struct Search {
    DWORD processId;
    const std::string* title;
    const std::string* className;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId && owner != search->processId) return TRUE;
    if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
    if (search->title && !search->title->empty() && WindowText(window) != *search->title) return TRUE;
    if (search->className && !search->className->empty() && ClassOf(window) != *search->className) return TRUE;
    search->found.push_back(window);
    return TRUE;
}

}  // namespace

HWND FindTopWindow(DWORD processId, const std::string& title, const std::string& className) {
    Search search{processId, &title, &className, true, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

HWND WaitForTopWindow(DWORD processId, const std::string& title, const std::string& className,
                      DWORD milliseconds) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindTopWindow(processId, title, className)) != nullptr; }, milliseconds);
    return window;
}

HWND WaitForMessageBox(DWORD processId, const std::string& caption, DWORD milliseconds) {
    return WaitForTopWindow(processId, caption, "#32770", milliseconds);
}

std::vector<HWND> VisibleMenus() {
    const std::string anyTitle;
    const std::string menuClass = "#32768";
    Search search{0, &anyTitle, &menuClass, true, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    // WM_GETTEXT, not GetWindowTextA: for another process's window the latter
    // reads only the caption stored at creation, never an edit box's text.
    char text[8192] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &ignored);
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string BoxText(HWND box) {
    char text[4096] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND ChildById(HWND parent, int id) { return GetDlgItem(parent, id); }

namespace {

void SendMouse(DWORD flags, int x = 0, int y = 0, DWORD data = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace

void MoveCursorTo(int x, int y) {
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    Sleep(30);
}

void Click(int x, int y, bool right) {
    MoveCursorTo(x, y);
    SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    Sleep(30);
    SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    Sleep(30);
}

void DoubleClick(int x, int y) {
    MoveCursorTo(x, y);
    for (int i = 0; i < 2; ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    }
    Sleep(30);
}

void Drag(int fromX, int fromY, int toX, int toY) {
    MoveCursorTo(fromX, fromY);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Sleep(100);
    for (int step = 1; step <= 10; ++step) {
        MoveCursorTo(fromX + (toX - fromX) * step / 10, fromY + (toY - fromY) * step / 10);
    }
    Sleep(100);
    SendMouse(MOUSEEVENTF_LEFTUP);
    Sleep(100);
}

void PressKey(WORD key) { PressKeys({key}); }

void PressKeys(std::initializer_list<WORD> keys) {
    for (WORD key : keys) SendKey(key, false);
    Sleep(20);
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) SendKey(*it, true);
    Sleep(30);
}

void TypeText(const std::string& ascii) {
    for (char c : ascii) {
        const SHORT mapped = VkKeyScanA(c);
        if (HIBYTE(mapped) & 1)
            PressKeys({VK_SHIFT, LOBYTE(mapped)});
        else
            PressKey(LOBYTE(mapped));
    }
}

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
}

int RunUnixCommand(const std::string& commandLine, DWORD milliseconds) {
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return -1;
    // Wine starts a Unix program without a process handle: there is nothing
    // to wait for, and TerminateProcess(nullptr) would end this process's
    // other threads.
    if (!info.hProcess) return -1;
    CloseHandle(info.hThread);
    DWORD exitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(info.hProcess, milliseconds) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &exitCode);
    else
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    return static_cast<int>(exitCode);
}

void XDrag(int fromX, int fromY, int toX, int toY) {
    const auto at = [](int x, int y) { return std::to_string(x) + " " + std::to_string(y); };
    RunUnixCommand("/usr/bin/xdotool mousemove " + at(fromX, fromY) + " sleep 0.2 mousedown 1 sleep 0.3" +
                   " mousemove " + at((fromX + toX) / 2, (fromY + toY) / 2) + " sleep 0.2 mousemove " +
                   at(toX, toY) + " sleep 0.3 mouseup 1 sleep 0.2");
}

std::vector<COLORREF> CapturePixels(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0) return pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    const auto* bgr = static_cast<const DWORD*>(bits);
    pixels.reserve(static_cast<size_t>(width) * height);
    for (int i = 0; i < width * height; ++i) {
        const DWORD p = bgr[i];  // 0x00RRGGBB in a DIB
        pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace e2e
