// The updater's extraction under Wine: ExtractZip, the updater's own code,
// unpacks an archive into an empty folder; prints the milliseconds it took
// and its result (1: all extracted).
//   extract_bench.exe <archive> <folder>
#include <windows.h>

#include <cstdio>
#include <string>

#include "updater/extract_zip.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: extract_bench archive folder\n");
        return 2;
    }
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    CreateDirectoryA(argv[2], nullptr);
    QueryPerformanceCounter(&begin);
    const int result = updater::ExtractZip(argv[1], argv[2]);
    QueryPerformanceCounter(&end);
    std::printf("%.1f %d\n", 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
                                 static_cast<double>(frequency.QuadPart), result);
    return result == 1 ? 0 : 1;
}
