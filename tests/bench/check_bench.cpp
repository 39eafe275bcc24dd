// The update check under Wine, against the loopback test server answering
// with the program's own version: from the Enter that chooses 升级 >
// 检测升级 in the note's menu until the title reads "未检测到新版本", and
// until the usual title is back less the three seconds the program holds
// that title. Each round starts the program afresh, as a user checks once.
//   check_bench.exe <屏笺.exe> <rounds>
// prints the medians "<to the title ms> <to the usual title less 3 s, ms>".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/driver.h"

namespace {

constexpr char kUsualTitle[] = "鼠标右键有帮助";
constexpr char kNoNewVersionTitle[] = "未检测到新版本";
constexpr int kEditor = 104;
constexpr double kTitleHold = 3000;

std::string Title(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Polls the title every millisecond; the time it first matched, or -1.
double WaitForTitle(HWND window, const char* title, double deadline) {
    for (;;) {
        const double now = Now();
        if (Title(window) == title) return now;
        if (now > deadline) return -1;
        Sleep(1);
    }
}

// One check; false when a step failed.
bool Round(const std::string& exe, double& toTitle, double& toUsual) {
    const std::string folder = exe.substr(0, exe.find_last_of('\\'));
    e2e::Program program(exe, "", folder);
    if (!program.Started()) return false;
    HWND main = e2e::WaitForTopWindow(program.Id(), kUsualTitle);
    if (!main) return false;
    const RECT r = e2e::WindowRectOf(GetDlgItem(main, kEditor));
    e2e::Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, true);
    if (!e2e::WaitUntil([] { return !e2e::VisibleMenus().empty(); }, 5000)) return false;
    e2e::PressKey(VK_DOWN);   // 升级
    e2e::PressKey(VK_RIGHT);  // its sub-menu, 检测升级 selected
    if (!e2e::WaitUntil([] { return e2e::VisibleMenus().size() >= 2; }, 5000)) return false;
    // Enter down and up at once: the driver's PressKey pauses 50 ms after
    // the key, longer than the check itself takes.
    INPUT enter[2]{};
    for (INPUT& input : enter) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_RETURN;
    }
    enter[1].ki.dwFlags = KEYEVENTF_KEYUP;
    const double chosen = Now();
    SendInput(2, enter, sizeof(INPUT));
    const double titled = WaitForTitle(main, kNoNewVersionTitle, chosen + 20000);
    if (titled < 0) return false;
    const double usual = WaitForTitle(main, kUsualTitle, titled + 10000);
    if (usual < 0) return false;
    toTitle = titled - chosen;
    toUsual = usual - chosen - kTitleHold;
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: check_bench 屏笺.exe rounds\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[2]));
    std::vector<double> toTitle, toUsual;
    for (int i = 0; i < rounds; ++i) {
        double title = 0, usual = 0;
        if (!Round(argv[1], title, usual)) {
            std::fprintf(stderr, "check_bench: round %d failed\n", i + 1);
            return 1;
        }
        toTitle.push_back(title);
        toUsual.push_back(usual);
        std::fprintf(stderr, "%.1f %.1f\n", title, usual);
    }
    std::printf("%.1f %.1f\n", Median(toTitle), Median(toUsual));
    return 0;
}
