// update.exe: started by the main program with the start-up word, it
// downloads the new version, installs it over the main program's folder,
// starts the main program again and ends. Exit code 0 on every path.
#include <windows.h>

#include "updater/updater.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // EndProcess never returns, so the updater lives until the process is gone.
    updater::Updater updater(instance);
    if (updater.Window().Create()) {
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            // Esc closes the window unless the control with the focus takes it.
            if (IsDialogMessageA(updater.Window().Handle(), &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    updater.EndProcess();
}
