// The program's flat look for the standard controls of the UI thread.
#pragma once

namespace app {

// 1 blue, 2 olive, 3 silver; any other value restores the controls' own look.
void SetControlSkin(int scheme);

}  // namespace app
