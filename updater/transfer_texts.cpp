#include "updater/transfer_texts.h"

#include <cmath>

namespace updater {
namespace {

// bytes / 1,000 rounded half away from zero to two decimals, in hundredths;
// without overflow at the ends of the range (a server may claim any length).
std::int64_t Hundredths(std::int64_t bytes) {
    return bytes >= 0 ? bytes / 10 + (bytes % 10 >= 5 ? 1 : 0) : bytes / 10 - (bytes % 10 <= -5 ? 1 : 0);
}

// The two decimals of a number of hundredths, always both digits.
std::string TwoDigits(std::int64_t hundredths) {
    const int fraction = static_cast<int>(hundredths % 100);
    return {static_cast<char>('0' + fraction / 10), static_cast<char>('0' + fraction % 10)};
}

// A positive double as printf's "%.13g" writes it, without printf (whose
// implementation would be the largest part of update.exe): the exact
// decimal value of the double, rounded to 13 significant digits half to
// even, in fixed notation below 1e13 and in exponent notation from there.
// Only values from 1e11 upwards come here, so the value has at most 16
// binary fraction digits and every step fits 64 bits.
std::string ThirteenDigits(double value) {
    int exponent = 0;
    const double mantissa = std::frexp(value, &exponent);
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    const int shift = 53 - exponent;  // binary fraction digits
    std::string digits = std::to_string(shift <= 0 ? bits << -shift : bits >> shift);
    int point = static_cast<int>(digits.size());  // digits before the decimal point
    if (shift > 0) {
        std::uint64_t fraction = bits & ((std::uint64_t{1} << shift) - 1);
        for (int i = 0; i < shift; ++i) fraction *= 5;  // now the digits of fraction / 10^shift
        const std::string fractionDigits = std::to_string(fraction);
        digits += std::string(static_cast<std::size_t>(shift) - fractionDigits.size(), '0') + fractionDigits;
    }
    constexpr std::size_t kSignificant = 13;
    if (digits.size() > kSignificant) {
        const std::string_view rest = std::string_view(digits).substr(kSignificant);
        const bool beyondFive = rest.find_first_not_of('0', 1) != std::string_view::npos;
        const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && beyondFive);
        const bool half = rest[0] == '5' && !beyondFive;
        digits.resize(kSignificant);
        if (aboveHalf || (half && (digits.back() - '0') % 2 == 1)) {
            std::size_t i = kSignificant;
            while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++point;
            } else {
                ++digits[i - 1];
            }
        }
    }
    const std::size_t last = digits.find_last_not_of('0');
    const int decimalExponent = point - 1;
    if (decimalExponent < static_cast<int>(kSignificant)) {
        std::string text = digits.substr(0, static_cast<std::size_t>(point));
        if (last != std::string::npos && last >= static_cast<std::size_t>(point))
            text += "." + digits.substr(static_cast<std::size_t>(point), last + 1 - static_cast<std::size_t>(point));
        return text;
    }
    std::string text = digits.substr(0, 1);
    if (last != std::string::npos && last >= 1) text += "." + digits.substr(1, last);
    return text + "e+" + std::to_string(decimalExponent);
}

}  // namespace

std::string SizeText(std::int64_t bytes) {
    const std::int64_t hundredths = Hundredths(bytes);
    const std::string sign = hundredths < 0 ? "-" : "";
    // Thirteen significant digits: beyond them the double's text is the rule.
    if (hundredths >= 10000000000000LL || hundredths <= -10000000000000LL)
        return sign + ThirteenDigits(std::fabs(static_cast<double>(hundredths) / 100)) + "K";
    const std::int64_t magnitude = hundredths < 0 ? -hundredths : hundredths;
    std::string text = sign + std::to_string(magnitude / 100);
    const std::string fraction = TwoDigits(magnitude);
    if (fraction == "00") return text + "K";
    if (fraction[1] == '0') return text + "." + fraction[0] + "K";
    return text + "." + fraction + "K";
}

std::string SpeedText(std::int64_t bytes) {
    const std::int64_t hundredths = Hundredths(bytes);
    const char* sign = hundredths < 0 ? "-" : "";
    const std::int64_t magnitude = hundredths < 0 ? -hundredths : hundredths;
    return sign + std::to_string(magnitude / 100) + "." + TwoDigits(magnitude) + "KB/s";
}

int ProgressPosition(std::int64_t total, std::int64_t done) {
    if (total == 0) return 0;
    const double position = std::trunc(static_cast<double>(done) * 100.0 / static_cast<double>(total));
    if (!(position > 0)) return 0;  // also a negative or NaN quotient
    return position >= 100 ? 100 : static_cast<int>(position);
}

std::string TaskStartedLine(int task) { return "执行下载任务" + std::to_string(task); }

std::string TransferLogLine(int code) {
    const char* name = nullptr;
    switch (code) {
    case kTransferStarted: name = "下载上传开始"; break;
    case kTransferEnded: name = kEndedName; break;
    case kDataRangeSet: name = "下载数据范围"; break;
    case kThreadResumed: name = "下载线程继续下载"; break;
    case kThreadEndedNormally: name = "线程正常结束"; break;
    case kThreadEndedAbnormally: name = "线程异常结束"; break;
    case kDataReceived: name = "收到数据"; break;
    case kFileExists: name = "存在同名文件"; break;
    default: return "未知消息 " + std::to_string(code) + "\r\n";
    }
    return std::string(" #传送常量.") + name + "\r\n";
}

CloseDecision DecideClose(std::string_view log) {
    if (log.find(kEndedName) != std::string_view::npos) return CloseDecision::kClose;
    if (log.empty()) return CloseDecision::kClose;
    return CloseDecision::kAsk;
}

}  // namespace updater
