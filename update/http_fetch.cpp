#include "update/http_fetch.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <memory>
#include <exception>
#include <new>
#include <optional>
#include <string_view>

#include "update/http_read_size.h"
#include "update/wininet_on_demand.h"

namespace update {
namespace {

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// The internet handle: opened by the first fetch that succeeds in opening it,
// then reused, and left to lapse with the process.
HINTERNET InternetHandle(const WinInet& api) {
    static HINTERNET internet = nullptr;
    if (!internet) internet = api.InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    return internet;
}

struct UrlParts {
    std::string host, user, password, path;
    INTERNET_PORT port = 0;
};

std::wstring Wide(const std::string& text) {
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
    return wide;
}

std::string Narrow(const wchar_t* text) {
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string narrow(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), bytes, nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(bytes) - 1);
    return narrow;
}

// Canonicalised with ICU_NO_ENCODE and cracked with flags 0: the path's code
// page 936 bytes go out as they are, neither escaped nor unescaped. This goes
// through the wide entry points because Wine's ANSI InternetCanonicalizeUrlA
// cuts a URL with two-byte characters short by their number; the parts come
// back in the ANSI code page unchanged.
std::optional<UrlParts> SplitUrl(const WinInet& api, const std::string& url) {
    const std::wstring wide = Wide(url);
    DWORD size = static_cast<DWORD>(wide.size()) * 3 + 64;
    std::wstring canonical(size, L'\0');
    if (!api.InternetCanonicalizeUrlW(wide.c_str(), canonical.data(), &size, ICU_NO_ENCODE)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
        canonical.assign(size + 1, L'\0');
        if (!api.InternetCanonicalizeUrlW(wide.c_str(), canonical.data(), &size, ICU_NO_ENCODE)) return std::nullopt;
    }
    canonical.resize(std::char_traits<wchar_t>::length(canonical.c_str()));

    const std::size_t capacity = canonical.size() + 1;
    std::wstring host(capacity, L'\0'), user(capacity, L'\0'), password(capacity, L'\0'), path(capacity, L'\0'),
        extra(capacity, L'\0'), scheme(capacity, L'\0');
    URL_COMPONENTSW parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszScheme = scheme.data();
    parts.dwSchemeLength = static_cast<DWORD>(capacity);
    parts.lpszHostName = host.data();
    parts.dwHostNameLength = static_cast<DWORD>(capacity);
    parts.lpszUserName = user.data();
    parts.dwUserNameLength = static_cast<DWORD>(capacity);
    parts.lpszPassword = password.data();
    parts.dwPasswordLength = static_cast<DWORD>(capacity);
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(capacity);
    parts.lpszExtraInfo = extra.data();
    parts.dwExtraInfoLength = static_cast<DWORD>(capacity);
    if (!api.InternetCrackUrlW(canonical.c_str(), static_cast<DWORD>(canonical.size()), 0, &parts)) return std::nullopt;

    UrlParts result;
    result.host = Narrow(host.c_str());
    result.user = Narrow(user.c_str());
    result.password = Narrow(password.c_str());
    result.path = WithoutFragment(Narrow(path.c_str()) + Narrow(extra.c_str()));
    result.port = parts.nPort;
    return result;
}

std::optional<std::string_view> ContentLength(const WinInet& api, HINTERNET request, char (&buffer)[32]) {
    DWORD size = sizeof buffer - 1;
    DWORD index = 0;
    if (!api.HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, buffer, &size, &index)) return std::nullopt;
    return std::string_view(buffer, size < sizeof buffer ? size : sizeof buffer - 1);
}

std::string Fetch(const std::string& url) {
    const WinInet* loaded = WinInetOnDemand();
    if (url.empty() || !loaded) return {};
    const WinInet& api = *loaded;
    const std::optional<UrlParts> parts = SplitUrl(api, url);
    if (!parts) return {};
    HINTERNET internet = InternetHandle(api);
    if (!internet) return {};

    UniqueInternet connection(api.InternetConnectA(internet, parts->host.c_str(), parts->port,
                                                   parts->user.c_str(), parts->password.c_str(),
                                                   INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};

    // The system's configured proxy applies, without credentials.
    INTERNET_PROXY_INFO proxy{INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr};
    api.InternetSetOptionA(internet, INTERNET_OPTION_PROXY, &proxy, sizeof proxy);
    char none[] = "";
    api.InternetSetOptionA(connection.Get(), INTERNET_OPTION_PROXY_USERNAME, none, 1);
    api.InternetSetOptionA(connection.Get(), INTERNET_OPTION_PROXY_PASSWORD, none, 1);

    const char* acceptTypes[] = {"Accept: */* \r\n", nullptr};
    UniqueInternet request(api.HttpOpenRequestA(connection.Get(), "GET", parts->path.c_str(), "HTTP/1.0", nullptr,
                                                acceptTypes, INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
    if (!request) return {};
    static constexpr char kHeaders[] = "Accept: */*\r\n\r\n";
    if (!api.HttpSendRequestA(request.Get(), kHeaders, sizeof kHeaders - 1, nullptr, 0)) return {};

    char lengthText[32] = {};
    const std::size_t readSize = ReadSizeFor(ContentLength(api, request.Get(), lengthText));
    const std::unique_ptr<char[]> block(new (std::nothrow) char[readSize]);
    if (!block) return {};

    std::string body;
    while (body.size() < kMaxBodySize) {
        const auto wanted = static_cast<DWORD>(std::min(readSize, kMaxBodySize - body.size()));
        DWORD read = 0;
        if (!api.InternetReadFile(request.Get(), block.get(), wanted, &read) || read == 0) break;
        body.append(block.get(), read);
    }
    return body;
}

}  // namespace

std::string HttpFetch(const std::string& url) {
    try {
        return Fetch(url);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace update
