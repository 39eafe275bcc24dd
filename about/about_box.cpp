#include "about/about_box.h"

#include "about/about_countdown.h"
#include "about/post_key_message.h"
#include "app/main_window.h"

namespace about {

int AboutCountdown = kCountdownStart;

void ShowAboutBox(app::MainWindow& mainWindow) {
    mainWindow.AboutTimer().SetPeriod(kTickMilliseconds);
    MessageBoxA(nullptr, AboutText().c_str(), kAboutTitle, MB_OK | MB_TASKMODAL);
}

// The box is looked up by title on every tick, so a box the user closed
// stops the countdown, and any window of that title is counted down.
void OnAboutTick(app::MainWindow& mainWindow) {
    HWND box = FindWindowA(nullptr, kAboutTitle);
    const AboutTickSteps steps = AboutTick(AboutCountdown, box != nullptr);
    AboutCountdown = steps.countdown;
    if (steps.text) SetDlgItemTextA(box, 0xFFFF, steps.text->c_str());
    if (steps.pressEnter) PostKeyMessage(box, VK_RETURN, 3);
    if (steps.stopTimer) mainWindow.AboutTimer().SetPeriod(0);
}

}  // namespace about
