#include "app/control_skin.h"

namespace app {

void SetControlSkin(int) {}

}  // namespace app
