// One owner for a WinINet handle (internet, connection or request).
#pragma once
#include <windows.h>
#include <wininet.h>

#include "app/unique_handle.h"

namespace updater {

namespace detail {
inline void CloseInternetHandle(HINTERNET h) { InternetCloseHandle(h); }
}  // namespace detail

using UniqueInternet = app::UniqueHandle<HINTERNET, detail::CloseInternetHandle>;

}  // namespace updater
