// UpdaterWindow: "下载管理器", the download task's row and the task log.
// Controls are changed from other threads only through the window's
// messages (SendMessage), so every change happens on the UI thread.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/unique_handle.h"
#include "updater/updater_form.h"

namespace updater {

// The window's events, handled by the updater.
class UpdaterEvents {
public:
    virtual ~UpdaterEvents() = default;
    virtual bool OnCreated() = 0;            // false: the process is to end
    virtual bool QueryClose() = 0;           // true lets the window close
    virtual void OnInstallRelay(int task) = 0;
};

struct TaskRow {
    HWND controls[kRowParts] = {};
    HWND operator[](TaskRowPart part) const { return controls[part]; }
};

class UpdaterWindow {
public:
    UpdaterWindow(HINSTANCE instance, UpdaterEvents& events);
    UpdaterWindow(const UpdaterWindow&) = delete;
    UpdaterWindow& operator=(const UpdaterWindow&) = delete;

    // Creates the window and its controls, runs the created event, then
    // shows the window; false when the process is to end.
    bool Create();
    HWND Handle() const { return window_; }

    // Makes row number row (from 1) below the given previous row, if any.
    TaskRow MakeTaskRow(int row, const TaskRow* previous);

    // Safe from any thread.
    void AppendLog(const std::string& text) const;
    void ShowControl(HWND control, bool show) const;
    void SetControlText(HWND control, const std::string& text) const;
    void SetProgress(HWND bar, int position) const;
    HWND InstallRelay() const { return 标签10反馈事件_; }

    // UI thread only.
    std::string LogText() const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK RelayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateControls();
    HWND MakeControl(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle,
                     const Box& box, int id);
    void AppendLogNow(const char* text);

    HINSTANCE instance_;
    UpdaterEvents& events_;
    app::UniqueBrush background_;
    app::UniqueBrush panelBackground_;
    HWND window_ = nullptr;
    HWND 图片框1_ = nullptr;
    HWND 图片框2_ = nullptr;
    HWND 标签10反馈事件_ = nullptr;
    HWND 编辑框1交互信息_ = nullptr;
    WNDPROC relayDefaultProc_ = nullptr;
};

}  // namespace updater
