// UpdaterWindow's form: its size, colour, and every control's identifier,
// place and size relative to its container. The window code builds from it;
// the tests read the same table.
#pragma once

namespace updater {

inline constexpr char kWindowTitle[] = "下载管理器";
inline constexpr int kWindowWidth = 538;
inline constexpr int kWindowHeight = 222;
inline constexpr unsigned kWindowBackground = 0xECECEC;  // RGB(236, 236, 236)

struct Box {
    int left, top, width, height;
};

enum ControlId : int {
    kId图片框1 = 201,
    kId图片框2,
    kId标签1任务名称,
    kId标签2任务大小,
    kId标签3下载进度,
    kId标签4下载速度,
    kId标签5相关操作,
    kId标签10反馈事件,
    kId编辑框1交互信息,
    // The task row made from the template: row n's controls are
    // kIdRowBase + 10 * n + its place in TaskRowPart.
    kIdRowBase = 300,
};

// The six controls of a task row, in the template's order.
enum TaskRowPart : int { kRowName, kRowSize, kRowProgress, kRowSpeed, kRowOperation, kRowSeparator, kRowParts };

inline constexpr int RowControlId(int row, TaskRowPart part) { return kIdRowBase + 10 * row + part; }

inline constexpr Box kBox图片框1{6, 6, 520, 160};            // on the window
inline constexpr Box kBox图片框2{1, 1, 520, 48};             // in 图片框1
inline constexpr Box kBox标签1任务名称{1, -1, 189, 19};       // this and below: in 图片框2
inline constexpr Box kBox标签2任务大小{191, -1, 78, 19};
inline constexpr Box kBox标签3下载进度{270, -1, 124, 19};
inline constexpr Box kBox标签4下载速度{395, -1, 65, 19};
inline constexpr Box kBox标签5相关操作{461, -1, 53, 19};
inline constexpr Box kBox标签10反馈事件{415, 45, 32, 16};
inline constexpr Box kBox编辑框1交互信息{6, 62, 520, 126};   // on the window

// The template row: 标签6名称, 标签7大小, 进度条1, 标签8速度, 标签9操作, 外形框1.
inline constexpr Box kRowTemplate[kRowParts] = {
    {2, 21, 188, 16}, {191, 21, 78, 16}, {270, 21, 124, 16}, {399, 21, 61, 16}, {461, 21, 53, 16}, {1, 40, 513, 1},
};

}  // namespace updater
