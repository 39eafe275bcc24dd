// ProcessPendingMessages: dispatch the UI thread's waiting messages until the
// queue is empty or WM_QUIT is next. Both programs use it.
#pragma once

namespace update {

void ProcessPendingMessages();

}  // namespace update
