#include "about/about_countdown.h"

namespace about {
namespace {

constexpr char kAlias[] = "青石客";
constexpr char kQqLine[] = "\r\n\r\n QQ：";

constexpr unsigned kKeyDown = 0x0100;     // WM_KEYDOWN
constexpr unsigned kKeyUp = 0x0101;       // WM_KEYUP
constexpr unsigned kChar = 0x0102;        // WM_CHAR
constexpr unsigned kSysKeyDown = 0x0104;  // WM_SYSKEYDOWN
constexpr unsigned kSysKeyUp = 0x0105;    // WM_SYSKEYUP

}  // namespace

std::string AboutText() { return std::string(kAlias) + kQqLine + kMakerQq; }

std::string CountdownText(int count) {
    return std::string(kAlias) + "   (" + std::to_string(count) + ")" + kQqLine + kMakerQq;
}

AboutTickSteps AboutTick(int countdown, bool boxFound) {
    AboutTickSteps steps;
    if (!boxFound) {  // closed early, or never there: back to idle
        steps.stopTimer = true;
        return steps;
    }
    steps.countdown = countdown - 1;
    steps.text = CountdownText(steps.countdown);
    if (steps.countdown == 0) {
        steps.pressEnter = true;
        steps.stopTimer = true;
        steps.countdown = kCountdownStart;
    }
    return steps;
}

std::optional<unsigned> KeyMessageFor(int type, int system) {
    switch (type) {
    case 1: return kChar;
    case 2:
    case 3: return system ? kSysKeyDown : kKeyDown;
    case 4: return system ? kSysKeyUp : kKeyUp;
    default: return std::nullopt;
    }
}

}  // namespace about
