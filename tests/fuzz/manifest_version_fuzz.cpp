// libFuzzer target for the reading of the manifest's 版本号. Any bytes go to
// ReadVersionNumber, whose answer must be what the C++ library's own decimal
// reader makes of the same number; NormaliseFullWidth must not grow a text
// and must leave its own result as it is.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "update/manifest_version.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The version the text should read as: white space skipped, a '+' dropped,
// then std::from_chars on what starts with a digit or a point. Nothing when
// the number is out of range, where only the infinity or zero is checked.
struct Expected {
    double value = 0.0;
    bool outOfRange = false;
};

Expected ReadReference(const std::string& text) {
    std::size_t pos = text.find_first_not_of(" \t\n\v\f\r");
    if (pos == std::string::npos) return {};
    std::string number = text.substr(pos);
    // One sign at most: from_chars reads a '-' itself but no '+'.
    const std::size_t first = number[0] == '-' ? 1 : 0;
    if (number[0] == '+') number.erase(0, 1);
    if (first >= number.size() || !(IsDigit(number[first]) || number[first] == '.')) return {};
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) return {0.0, true};
    if (error != std::errc()) return {};
    (void)end;
    return {value, false};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string normal = update::NormaliseFullWidth(text);
    if (normal.size() > text.size() || update::NormaliseFullWidth(normal) != normal) __builtin_trap();

    const double version = update::ReadVersionNumber(text);
    if (std::isnan(version)) __builtin_trap();
    const Expected expected = ReadReference(normal);
    if (expected.outOfRange) {
        if (!std::isinf(version) && std::fabs(version) > 1e-300) __builtin_trap();
    } else if (version != expected.value) {
        __builtin_trap();
    }
    if (update::IsNewerVersion(version) != (version - update::OwnVersion > update::kNewerThreshold)) __builtin_trap();
    return 0;
}
