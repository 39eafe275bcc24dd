// Instructions to the update tests' HTTP server (tests/server/test_server.py),
// sent over WinINet: which answer a path gets, the latest request it saw, and
// a spell without a listening socket.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace e2e {

using ServerParams = std::vector<std::pair<std::string, std::string>>;

// The path the program requests: "/屏笺.xml" in code page 936.
inline constexpr char kManifestPath[] = "/屏笺.xml";

bool ResetServer();
bool SetAnswer(const std::string& rawPath, const std::string& kind, const ServerParams& params = {});
// The request line and headers of the server's latest ordinary request.
std::string LastRequestHead();
// The server refuses connections for that many seconds.
bool TakeServerOffline(int seconds);

// Code page 936 text as UTF-8, for manifests.
std::string ToUtf8(const std::string& ansi);

}  // namespace e2e
