#include "about/about_box.h"
#include "app/main_window.h"

namespace about {

int AboutCountdown = 0;

void ShowAboutBox(app::MainWindow&) {}
void OnAboutTick(app::MainWindow&) {}

}  // namespace about
