#include "update/http_read_size.h"

namespace update {

std::size_t ReadSizeFor(std::optional<std::string_view> contentLength) {
    if (!contentLength) return kUnknownLengthReadSize;
    std::string_view text = *contentLength;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Digits as far as they go; beyond the largest read size the exact value
    // no longer matters, so the count stops growing there.
    std::size_t n = 0;
    bool digits = false;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        digits = true;
        if (n <= kLargestReadSize) n = n * 10 + static_cast<std::size_t>(c - '0');
    }
    if (!digits || negative || n == 0) return kUnknownLengthReadSize;
    return n + 1 < kLargestReadSize ? n + 1 : kLargestReadSize;
}

std::string WithoutFragment(std::string_view pathAndQuery) {
    return std::string(pathAndQuery.substr(0, pathAndQuery.find('#')));
}

}  // namespace update
