// The manifest's 版本号 read as a number and compared with the program's own
// version.
#pragma once
#include <string>
#include <string_view>

namespace update {

inline constexpr double OwnVersion = 3.2;
inline constexpr double kNewerThreshold = 1e-7;

// Full-width forms of ASCII (0xA3 0xA1 to 0xA3 0xFE) become their ASCII
// character and the ideographic space (0xA1 0xA1) a blank; every other
// character stays, two-byte characters taken whole.
std::string NormaliseFullWidth(std::string_view text);

// The longest prefix that is a decimal number (after leading white space:
// sign, digits with an optional point, an optional exponent) read after
// NormaliseFullWidth; 0 when there is none. Too large a number is infinite.
double ReadVersionNumber(std::string_view text);

// True when version exceeds OwnVersion by more than the threshold; equal,
// smaller and NaN are not newer.
bool IsNewerVersion(double version);

}  // namespace update
