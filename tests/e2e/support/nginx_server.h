// The update road tests' web server: Debian's nginx, started through
// tests/road/nginx.sh on a free loopback port with a configuration, pid, logs
// and temporary folders of its own, serving one folder. It is stopped when
// the object goes away, so a failing test leaves no server behind (and one
// that no test stops ends by itself after a quarter of an hour).
#pragma once
#include <string>

namespace e2e {

// A Unix path as Wine shows it on drive Z:.
std::string WindowsPathOf(const std::string& unixPath);

class NginxServer {
public:
    // folder: the server's own working folder; root: the folder it serves.
    // Both are Unix paths without blanks.
    NginxServer(const std::string& folder, const std::string& root);
    NginxServer(const NginxServer&) = delete;
    NginxServer& operator=(const NginxServer&) = delete;
    ~NginxServer();

    bool Running() const { return port_ != 0; }
    int Port() const { return port_; }
    // "http://127.0.0.1:<port>" followed by path.
    std::string Url(const std::string& path) const;
    // Takes the server away at once: open connections are closed, new ones refused.
    void Stop();
    // The request lines nginx logged.
    std::string AccessLog() const;
    // Ends a server that an earlier driver left running in that folder.
    static void StopLeftOver(const std::string& folder);

private:
    std::string folder_;
    int port_ = 0;
    bool stopped_ = false;
};

}  // namespace e2e
