// The decisions of the manifest fetch that need no network: the block size of
// each read, the bound on the body and the path without its fragment.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace update {

inline constexpr std::size_t kLargestReadSize = 102400;
inline constexpr std::size_t kUnknownLengthReadSize = 10240;
// A manifest is a few hundred bytes; a server that sends more than this is
// broken or hostile, and the fetch keeps only this much.
inline constexpr std::size_t kMaxBodySize = 1024 * 1024;

// Content-Length as the server gave it (nullopt when the query failed):
// a positive decimal n gives n + 1, at most kLargestReadSize; anything else
// gives kUnknownLengthReadSize.
std::size_t ReadSizeFor(std::optional<std::string_view> contentLength);

// The path with everything from its first '#' removed.
std::string WithoutFragment(std::string_view pathAndQuery);

}  // namespace update
