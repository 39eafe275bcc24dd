// 屏笺: start-up. The own directory becomes current, MainWindow is created,
// shown and served until its destruction ends the process.
#include <windows.h>

#include "app/main_window.h"
#include "app/own_directory.h"

namespace {

void EndProgram() { ExitProcess(0); }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    app::MakeOwnDirectoryCurrent();

    app::MainWindow mainWindow(instance, EndProgram);
    if (!mainWindow.Create()) {
        MessageBoxA(nullptr, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n", "错误", MB_ICONERROR);
        return -1;
    }
    mainWindow.Show();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (mainWindow.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
