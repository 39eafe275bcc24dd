// Builds ZIP archives for the updater tests, entry by entry: stored or
// deflated data, UTF-8 flagged names, folder entries, dates, and on request
// a wrong CRC, so every case an update archive may bring can be made.
#pragma once
#include <string>
#include <vector>

namespace e2e {

struct ZipEntry {
    std::string name;  // raw bytes as stored; a folder's name ends with '/'
    std::string data;
    bool deflate = true;
    bool utf8Flag = false;  // general-purpose bit 11
    bool wrongCrc = false;
    unsigned short dosDate = (2021 - 1980) << 9 | 3 << 5 | 14;  // 2021-03-14
    unsigned short dosTime = 15 << 11 | 9 << 5 | 26 / 2;        // 15:09:26
};

std::string MakeZip(const std::vector<ZipEntry>& entries);

}  // namespace e2e
