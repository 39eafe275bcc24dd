// The texts a download task shows: the size and speed labels, the progress
// bar's position, the task log's lines, and whether a close needs asking.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace updater {

// The engine's notice codes.
enum TransferCode : int {
    kTransferStarted = 3,
    kTransferEnded = 4,
    kDataRangeSet = 6,
    kThreadResumed = 7,
    kThreadEndedNormally = 8,
    kThreadEndedAbnormally = 9,
    kDataReceived = 16,
    kFileExists = 18,
};

// Kilobytes (bytes / 1,000) rounded to two decimals, no trailing zeros, then
// "K": 1234567 gives "1234.57K", 500 gives "0.5K".
std::string SizeText(std::int64_t bytes);

// Kilobytes with exactly two decimals, then "KB/s": 12300 gives "12.30KB/s".
std::string SpeedText(std::int64_t bytes);

// done * 100 / total truncated, 0 for an unknown total, at most 100.
int ProgressPosition(std::int64_t total, std::int64_t done);

// "执行下载任务" and the task number: the log's first words, with no line end.
std::string TaskStartedLine(int task);

// The log line a notice code writes, line break included.
std::string TransferLogLine(int code);

// The log line of the ended notice; a log holding its name may close freely.
inline constexpr char kEndedName[] = "下载上传结束";

enum class CloseDecision { kClose, kAsk };

// A log that is empty or tells of the transfer's end closes without a question.
CloseDecision DecideClose(std::string_view log);

}  // namespace updater
