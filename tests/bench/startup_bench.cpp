// Start-up time under Wine: from CreateProcess until the program's first
// window is visible, for 屏笺.exe and for a minimal one-window program built
// the same way, alternating, several rounds; prints the medians in ms, and
// every round's pair on stderr.
//   startup_bench.exe <rounds> <program> <its title> <reference> <its title>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD processId;
    const char* title;
    bool visible = false;
};

BOOL CALLBACK Look(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<Found*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == found->processId && IsWindowVisible(window) && std::string(title) == found->title) {
        found->visible = true;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from CreateProcess to a visible window; -1 on failure.
double TimeStart(const std::string& exe, const char* title) {
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER frequency, begin, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return -1;
    double elapsed = -1;
    for (;;) {
        Found found{info.dwProcessId, title};
        EnumWindows(Look, reinterpret_cast<LPARAM>(&found));
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
        if (found.visible) {
            elapsed = ms;
            break;
        }
        if (ms > 20000) break;
        Sleep(1);
    }
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    Sleep(200);  // let the window manager forget the last window
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: startup_bench rounds program title reference title\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    std::vector<double> program, reference;
    TimeStart(argv[2], argv[3]);  // warm the file cache and Wine's loader once
    TimeStart(argv[4], argv[5]);
    for (int i = 0; i < rounds; ++i) {
        program.push_back(TimeStart(argv[2], argv[3]));
        reference.push_back(TimeStart(argv[4], argv[5]));
    }
    for (int i = 0; i < rounds; ++i) std::fprintf(stderr, "%.1f %.1f\n", program[i], reference[i]);
    std::printf("%.1f %.1f\n", Median(program), Median(reference));
    return 0;
}
