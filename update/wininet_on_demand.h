// WinINet for the update check, loaded with the first check rather than at
// start-up: under Wine it brings the shell's DLLs and the socket library
// along, which made 屏笺.exe start noticeably slower.
#pragma once
#include <windows.h>
#include <wininet.h>

#include "app/unique_handle.h"

namespace update {

struct WinInet {
    decltype(&::HttpOpenRequestA) HttpOpenRequestA;
    decltype(&::HttpQueryInfoA) HttpQueryInfoA;
    decltype(&::HttpSendRequestA) HttpSendRequestA;
    decltype(&::InternetCanonicalizeUrlW) InternetCanonicalizeUrlW;
    decltype(&::InternetCloseHandle) InternetCloseHandle;
    decltype(&::InternetConnectA) InternetConnectA;
    decltype(&::InternetCrackUrlW) InternetCrackUrlW;
    decltype(&::InternetOpenA) InternetOpenA;
    decltype(&::InternetReadFile) InternetReadFile;
    decltype(&::InternetSetOptionA) InternetSetOptionA;
};

// The entry points, loaded on the first call and kept for the process's
// life; nullptr when the DLL or one of them is missing.
const WinInet* WinInetOnDemand();

namespace detail {
// Only handles WinInetOnDemand() handed out exist, so it has loaded.
inline void CloseOnDemandInternetHandle(HINTERNET h) { WinInetOnDemand()->InternetCloseHandle(h); }
}  // namespace detail

// One owner for a WinINet handle (internet, connection or request).
using UniqueInternet = app::UniqueHandle<HINTERNET, detail::CloseOnDemandInternetHandle>;

}  // namespace update
