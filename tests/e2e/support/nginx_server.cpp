#include "support/nginx_server.h"

#include <windows.h>

#include <cstdlib>

#include "support/program_folder.h"
#include "support/road_unix.h"

namespace e2e {
namespace {

int Script(const std::string& arguments) {
    CreateDirectoryA(WindowsPathOf(E2E_ROAD_DIR).c_str(), nullptr);
    return RunUnixScript(std::string("/bin/bash \"") + E2E_NGINX_SCRIPT + "\" " + arguments, E2E_ROAD_DIR, 30000);
}

}  // namespace

std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

NginxServer::NginxServer(const std::string& folder, const std::string& root) : folder_(folder) {
    if (Script("start \"" + folder + "\" \"" + root + "\"") != 0) return;
    port_ = std::atoi(ReadFileBytes(WindowsPathOf(folder + "/port")).c_str());
}

NginxServer::~NginxServer() { Stop(); }

void NginxServer::StopLeftOver(const std::string& folder) { Script("stop \"" + folder + "\""); }

std::string NginxServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void NginxServer::Stop() {
    if (stopped_) return;
    stopped_ = true;
    // Also after a start that failed half-way: the script is quiet when nothing runs.
    Script("stop \"" + folder_ + "\"");
    port_ = 0;
}

std::string NginxServer::AccessLog() const { return ReadFileBytes(WindowsPathOf(folder_ + "/access.log")); }

}  // namespace e2e
