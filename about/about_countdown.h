// The About box's texts, the countdown tick as a small state machine, and the
// message PostKeyMessage posts. No windows.h here.
#pragma once
#include <optional>
#include <string>

namespace about {

// The maker's QQ contact number: the one place to change it.
inline constexpr char kMakerQq[] = "2851093746";

inline constexpr char kAboutTitle[] = "关于作者";
inline constexpr int kCountdownStart = 6;
inline constexpr unsigned kTickMilliseconds = 1000;

// "青石客\r\n\r\n QQ：" and the number: the box as it opens.
std::string AboutText();
// "青石客", three spaces, "(count)", then the line with the number.
std::string CountdownText(int count);

// What one tick of 时钟1关于 does.
struct AboutTickSteps {
    int countdown = kCountdownStart;  // AboutCountdown afterwards
    std::optional<std::string> text;  // the box's new item 0xFFFF text
    bool pressEnter = false;          // post Enter to the box
    bool stopTimer = false;           // set the period to 0
};
AboutTickSteps AboutTick(int countdown, bool boxFound);

// PostKeyMessage's message for a type (1 or omitted: WM_CHAR; 2 and 3: key
// down; 4: key up) and system flag (the WM_SYS* variants); nothing for any
// other type.
inline constexpr int kCharType = 1;
std::optional<unsigned> KeyMessageFor(int type, int system);

}  // namespace about
