#include "updater/transfer_texts.h"

#include <cmath>
#include <cstdio>

namespace updater {
namespace {

// bytes / 1,000 rounded half away from zero to two decimals, in hundredths.
std::int64_t Hundredths(std::int64_t bytes) { return bytes >= 0 ? (bytes + 5) / 10 : (bytes - 5) / 10; }

std::string Format(const char* format, auto... values) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, format, values...);
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

std::string SizeText(std::int64_t bytes) {
    const std::int64_t hundredths = Hundredths(bytes);
    // Thirteen significant digits: beyond them the double's text is the rule.
    if (hundredths >= 10000000000000LL || hundredths <= -10000000000000LL)
        return Format("%.13g", static_cast<double>(hundredths) / 100) + "K";
    const char* sign = hundredths < 0 ? "-" : "";
    const std::int64_t magnitude = hundredths < 0 ? -hundredths : hundredths;
    const long long whole = magnitude / 100;
    const int fraction = static_cast<int>(magnitude % 100);
    if (fraction == 0) return Format("%s%lldK", sign, whole);
    if (fraction % 10 == 0) return Format("%s%lld.%dK", sign, whole, fraction / 10);
    return Format("%s%lld.%02dK", sign, whole, fraction);
}

std::string SpeedText(std::int64_t bytes) {
    const std::int64_t hundredths = Hundredths(bytes);
    const char* sign = hundredths < 0 ? "-" : "";
    const std::int64_t magnitude = hundredths < 0 ? -hundredths : hundredths;
    return Format("%s%lld.%02dKB/s", sign, static_cast<long long>(magnitude / 100),
                  static_cast<int>(magnitude % 100));
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
