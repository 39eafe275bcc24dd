// The program's own directory: the module path up to its last backslash.
#pragma once
#include <string>

namespace app {

std::string OwnDirectory();            // without a trailing backslash
void MakeOwnDirectoryCurrent();        // start-up step 1

}  // namespace app
