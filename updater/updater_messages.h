// The updater's private window messages, named in one place.
#pragma once
#include <windows.h>

namespace updater {

// To UpdaterWindow from any thread, by SendMessage: lParam the text (code
// page 936) to append at the end of the task log.
inline constexpr UINT kMsgAppendLog = WM_APP + 0x300;
// To UpdaterWindow: wParam a control, lParam nonzero to show it, 0 to hide it.
inline constexpr UINT kMsgShowControl = WM_APP + 0x301;
// To 标签10反馈事件, the install relay: wParam the task number, lParam 0.
inline constexpr UINT kMsgInstallRelay = WM_APP + 0x302;

}  // namespace updater
