#include "app/main_window.h"
#include "update/check_for_update.h"

namespace update {

void CheckForUpdate(app::MainWindow&) {}

}  // namespace update
