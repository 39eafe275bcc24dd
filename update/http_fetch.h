// HttpFetch: one HTTP GET through WinINet. The body as bytes, or empty for
// every kind of failure; a body cut short is kept as far as it came, and a
// body is never read beyond kMaxBodySize.
#pragma once
#include <string>

namespace update {

std::string HttpFetch(const std::string& url);

}  // namespace update
