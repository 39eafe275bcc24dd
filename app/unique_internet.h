// One owner for a WinINet handle (internet, connection or request).
#pragma once
#include <windows.h>
#include <wininet.h>

#include "app/unique_handle.h"

namespace app {

namespace detail {
inline void CloseInternetHandle(HINTERNET h) { InternetCloseHandle(h); }
}  // namespace detail

using UniqueInternet = UniqueHandle<HINTERNET, detail::CloseInternetHandle>;

}  // namespace app
