#include "support/test_server_client.h"

#include <windows.h>
#include <wininet.h>

namespace e2e {
namespace {

std::string PercentEncoded(const std::string& bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : bytes) {
        encoded += '%';
        encoded += kHex[c >> 4];
        encoded += kHex[c & 15];
    }
    return encoded;
}

// GET of a control path; the body, and ok when the server answered 200.
std::string Get(const std::string& pathAndQuery, bool* ok) {
    *ok = false;
    HINTERNET internet = InternetOpenA("e2e", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!internet) return {};
    std::string body;
    const std::string url = std::string(E2E_TEST_SERVER) + pathAndQuery;
    if (HINTERNET request = InternetOpenUrlA(internet, url.c_str(), nullptr, 0,
                                             INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0)) {
        DWORD status = 0, size = sizeof status;
        HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr);
        char block[4096];
        DWORD read = 0;
        while (InternetReadFile(request, block, sizeof block, &read) && read > 0) body.append(block, read);
        *ok = status == 200;
        InternetCloseHandle(request);
    }
    InternetCloseHandle(internet);
    return body;
}

bool Control(const std::string& pathAndQuery) {
    bool ok = false;
    Get(pathAndQuery, &ok);
    return ok;
}

}  // namespace

bool ResetServer() { return Control("/__reset"); }

bool SetAnswer(const std::string& rawPath, const std::string& kind, const ServerParams& params) {
    std::string query = "/__answer?path=" + PercentEncoded(rawPath) + "&kind=" + PercentEncoded(kind);
    for (const auto& [name, value] : params) query += "&" + PercentEncoded(name) + "=" + PercentEncoded(value);
    return Control(query);
}

std::string LastRequestHead() {
    bool ok = false;
    std::string head = Get("/__last", &ok);
    return ok ? head : std::string();
}

bool TakeServerOffline(int seconds) { return Control("/__offline?seconds=" + std::to_string(seconds)); }

std::string ToUtf8(const std::string& ansi) {
    const int units = MultiByteToWideChar(936, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(936, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), units);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

}  // namespace e2e
