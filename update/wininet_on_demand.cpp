#include "update/wininet_on_demand.h"

#include <optional>

namespace update {
namespace {

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    return function != nullptr;
}

std::optional<WinInet> Load() {
    HMODULE module = LoadLibraryA("wininet.dll");  // never freed: its handles live as long as the process
    if (!module) return std::nullopt;
    WinInet api{};
    const bool resolved = Resolve(module, "HttpOpenRequestA", api.HttpOpenRequestA) &&
                          Resolve(module, "HttpQueryInfoA", api.HttpQueryInfoA) &&
                          Resolve(module, "HttpSendRequestA", api.HttpSendRequestA) &&
                          Resolve(module, "InternetCanonicalizeUrlW", api.InternetCanonicalizeUrlW) &&
                          Resolve(module, "InternetCloseHandle", api.InternetCloseHandle) &&
                          Resolve(module, "InternetConnectA", api.InternetConnectA) &&
                          Resolve(module, "InternetCrackUrlW", api.InternetCrackUrlW) &&
                          Resolve(module, "InternetOpenA", api.InternetOpenA) &&
                          Resolve(module, "InternetReadFile", api.InternetReadFile) &&
                          Resolve(module, "InternetSetOptionA", api.InternetSetOptionA);
    if (!resolved) return std::nullopt;
    return api;
}

}  // namespace

const WinInet* WinInetOnDemand() {
    static const std::optional<WinInet> api = Load();
    return api ? &*api : nullptr;
}

}  // namespace update
