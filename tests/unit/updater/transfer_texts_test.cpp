// The texts and decisions of a download task: size, speed, progress, the
// log's lines and whether closing asks first.
#include <gtest/gtest.h>

#include "updater/transfer_texts.h"

namespace updater {
namespace {

TEST(TransferTextsTest, SizeInKilobytes) {
    struct Case {
        std::int64_t bytes;
        const char* text;
    } cases[] = {
        {1234567, "1234.57K"}, {500, "0.5K"},     {0, "0K"},        {1000, "1K"},
        {1005, "1.01K"},       {1004, "1K"},      {999995, "1000K"}, {12300, "12.3K"},
        {4, "0K"},             {5, "0.01K"},      {268435456, "268435.46K"},
        {4294967296LL, "4294967.3K"},
    };
    for (const Case& c : cases) EXPECT_EQ(SizeText(c.bytes), c.text) << c.bytes;
}

TEST(TransferTextsTest, SpeedWithTwoDecimals) {
    struct Case {
        std::int64_t bytes;
        const char* text;
    } cases[] = {
        {12300, "12.30KB/s"}, {0, "0.00KB/s"}, {5, "0.01KB/s"}, {4, "0.00KB/s"},
        {1234567, "1234.57KB/s"}, {1000000, "1000.00KB/s"},
    };
    for (const Case& c : cases) EXPECT_EQ(SpeedText(c.bytes), c.text) << c.bytes;
}

TEST(TransferTextsTest, ProgressPosition) {
    struct Case {
        std::int64_t total, done;
        int position;
    } cases[] = {
        {200, 50, 25},  {1000, 999, 99}, {0, 0, 0},  {0, 500, 0},   {100, 150, 100},
        {100, 100, 100}, {3, 1, 33},     {3, 2, 66}, {100, 0, 0},
        {4294967296LL, 2147483648LL, 50},  // beyond 32 bits
    };
    for (const Case& c : cases) EXPECT_EQ(ProgressPosition(c.total, c.done), c.position) << c.done << "/" << c.total;
}

TEST(TransferTextsTest, LogLineForEachCode) {
    struct Case {
        int code;
        const char* line;
    } cases[] = {
        {3, " #传送常量.下载上传开始\r\n"},   {4, " #传送常量.下载上传结束\r\n"},
        {6, " #传送常量.下载数据范围\r\n"},   {7, " #传送常量.下载线程继续下载\r\n"},
        {8, " #传送常量.线程正常结束\r\n"},   {9, " #传送常量.线程异常结束\r\n"},
        {16, " #传送常量.收到数据\r\n"},      {18, " #传送常量.存在同名文件\r\n"},
        {2, "未知消息 2\r\n"},                {0, "未知消息 0\r\n"},
        {-1, "未知消息 -1\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(TransferLogLine(c.code), c.line) << c.code;
    EXPECT_EQ(TaskStartedLine(1), "执行下载任务1");
    EXPECT_EQ(TaskStartedLine(1) + TransferLogLine(3), "执行下载任务1 #传送常量.下载上传开始\r\n");
}

TEST(TransferTextsTest, CloseAsksOnlyWhileTheTransferMayRun) {
    struct Case {
        const char* what;
        std::string log;
        CloseDecision decision;
    } cases[] = {
        {"empty log", "", CloseDecision::kClose},
        {"transfer running", "执行下载任务1 #传送常量.下载上传开始\r\n #传送常量.收到数据\r\n", CloseDecision::kAsk},
        {"only the task line", "执行下载任务1", CloseDecision::kAsk},
        {"ended line", "执行下载任务1 #传送常量.下载上传开始\r\n #传送常量.下载上传结束\r\n", CloseDecision::kClose},
        {"the name anywhere", "x下载上传结束y", CloseDecision::kClose},
        {"a part of the name", "下载上传", CloseDecision::kAsk},
        {"a blank", " ", CloseDecision::kAsk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DecideClose(c.log), c.decision);
    }
}

}  // namespace
}  // namespace updater
