#include "lock/hotkey_modifiers.h"

namespace lock {

unsigned SystemModifiers(int modifiers) {
    switch (modifiers) {
    case 1: return kModControl;
    case 2: return kModShift;
    case 3: return kModControl | kModShift;
    case 4: return kModAlt;
    case 5: return kModControl | kModAlt;
    case 6: return kModShift | kModAlt;
    default: return static_cast<unsigned>(modifiers);
    }
}

}  // namespace lock
