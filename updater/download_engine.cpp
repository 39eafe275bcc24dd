#include "updater/download_engine.h"

#include <wininet.h>

#include <cstdlib>
#include <vector>

#include "updater/transfer_texts.h"
#include "updater/unique_internet.h"

namespace updater {
namespace {

constexpr DWORD kNoticeInterval = 1000;
constexpr DWORD kStopStep = 20;
// The largest read. Under Wine a 256 KiB read held a loopback transfer to
// two thirds of curl's speed; 1 MiB reaches it, and larger reads gained little.
constexpr DWORD kChunkBytes = 1024 * 1024;
constexpr ULONGLONG kQuickReadMilliseconds = 100;  // a read this fast found its data waiting
constexpr DWORD kConnectTimeout = 20000;
// Long enough for a server that pauses, short enough that a dead one ends.
constexpr DWORD kReceiveTimeout = 60000;

std::atomic<int> nextIdentity{1};

}  // namespace

struct DownloadHandle::Transfer {
    TaskSettings settings;
    int identity = 0;
    std::atomic<std::int64_t> total{0};
    std::atomic<std::int64_t> done{0};
    std::atomic<std::int64_t> received{0};
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};  // the transfer is over; only its last notices remain

    void Notify(int code) {
        if (settings.notice) settings.notice(code, 0, 0, 0, identity);
    }
};

namespace {

using Transfer = DownloadHandle::Transfer;

std::int64_t QueryContentLength(HINTERNET request) {
    char text[32] = {};
    DWORD size = sizeof text;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return 0;
    const long long length = std::strtoll(text, nullptr, 10);
    return length > 0 ? length : 0;
}

// A server's error page is no archive: only a success status counts.
bool SucceededStatus(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return true;  // not HTTP: nothing to judge by
    return status >= 200 && status < 300;
}

// Copies the response into the file as it arrives; true when it all came.
bool Receive(Transfer& transfer, HINTERNET request) {
    app::UniqueFile file(CreateFileA(transfer.settings.destinationFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                     nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::vector<char> buffer(kChunkBytes);
    // The first data is told at once, later data about once a second.
    ULONGLONG lastNotice = GetTickCount64() - kNoticeInterval;
    DWORD nextWanted = 0;
    bool complete = false;
    while (!transfer.stop) {
        DWORD available = 0;
        if (!InternetQueryDataAvailable(request, &available, 0, 0)) break;
        if (available == 0) {
            complete = true;
            break;
        }
        // WinINet's synchronous read waits until it has filled what it was
        // asked for. Asking only for what is there keeps every read short but
        // under Wine holds the transfer to a fifth of the link's speed, so
        // with the length known a read that came back at once may ask for
        // twice as much next time, up to a chunk, and one that had to wait
        // asks for half: reads stay about as large as what arrives in a
        // tenth of a second, so a slow link still shows its data about once
        // a second.
        DWORD wanted = available < kChunkBytes ? available : kChunkBytes;
        if (transfer.total > 0 && nextWanted > wanted) wanted = nextWanted;
        const ULONGLONG readStart = GetTickCount64();
        DWORD read = 0;
        if (!InternetReadFile(request, buffer.data(), wanted, &read)) break;
        if (read == 0) {
            complete = true;
            break;
        }
        const bool quick = GetTickCount64() - readStart < kQuickReadMilliseconds;
        nextWanted = quick ? (wanted < kChunkBytes / 2 ? wanted * 2 : kChunkBytes) : wanted / 2;
        DWORD written = 0;
        if (!WriteFile(file.Get(), buffer.data(), read, &written, nullptr) || written != read) break;
        transfer.done += read;
        transfer.received += read;
        const ULONGLONG now = GetTickCount64();
        if (now - lastNotice >= kNoticeInterval && !transfer.stop) {
            lastNotice = now;
            transfer.Notify(kDataReceived);
        }
    }
    return complete && !transfer.stop && (transfer.total == 0 || transfer.done == transfer.total);
}

void RunTransfer(Transfer& transfer) {
    bool succeeded = false;
    UniqueInternet session(InternetOpenA("Mozilla/4.0 (compatible; update)", INTERNET_OPEN_TYPE_PRECONFIG, nullptr,
                                         nullptr, 0));
    UniqueInternet request;
    if (session) {
        DWORD connect = kConnectTimeout, receive = kReceiveTimeout;
        InternetSetOptionA(session.Get(), INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof connect);
        InternetSetOptionA(session.Get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &receive, sizeof receive);
        const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                            INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES;
        request.Reset(InternetOpenUrlA(session.Get(), transfer.settings.sourceUrl.c_str(), nullptr, 0, flags, 0));
    }
    if (request) transfer.total = QueryContentLength(request.Get());
    transfer.Notify(kTransferStarted);

    if (request && !transfer.stop && SucceededStatus(request.Get())) {
        if (GetFileAttributesA(transfer.settings.destinationFile.c_str()) != INVALID_FILE_ATTRIBUTES)
            transfer.Notify(kFileExists);
        succeeded = Receive(transfer, request.Get());
        if (!transfer.stop) transfer.Notify(kDataReceived);
    }
    request.Reset();
    session.Reset();
    if (!transfer.stop) transfer.Notify(succeeded ? kThreadEndedNormally : kThreadEndedAbnormally);
    transfer.finished = true;
    transfer.Notify(kTransferEnded);
}

DWORD WINAPI TransferThread(void* parameter) {
    std::shared_ptr<Transfer> transfer(std::move(*static_cast<std::shared_ptr<Transfer>*>(parameter)));
    delete static_cast<std::shared_ptr<Transfer>*>(parameter);
    try {
        RunTransfer(*transfer);
    } catch (...) {
        transfer->finished = true;
    }
    return 0;
}

}  // namespace

DownloadHandle::~DownloadHandle() { StopTask(); }

bool DownloadHandle::StartTask(const TaskSettings& settings) {
    if (transfer_) return false;
    auto transfer = std::make_shared<Transfer>();
    transfer->settings = settings;
    transfer->identity = nextIdentity++;
    auto* parameter = new std::shared_ptr<Transfer>(transfer);
    // Published before the thread runs, so its first notice finds the handle.
    transfer_ = transfer;
    identity_ = transfer->identity;
    stopWait_ = settings.stopWaitMilliseconds;
    thread_.Reset(CreateThread(nullptr, 0, TransferThread, parameter, 0, nullptr));
    if (!thread_) {
        delete parameter;
        identity_ = -1;
        return false;
    }
    return true;
}

int DownloadHandle::TaskIdentity() const { return identity_; }

void DownloadHandle::Progress(std::int64_t& total, std::int64_t& done) const {
    total = transfer_ ? transfer_->total.load() : 0;
    done = transfer_ ? transfer_->done.load() : 0;
}

std::int64_t DownloadHandle::TakeReceivedBytes() { return transfer_ ? transfer_->received.exchange(0) : 0; }

void DownloadHandle::StopTask() {
    identity_ = -1;
    if (!transfer_ || !thread_ || transfer_->finished || transfer_->stop.exchange(true)) return;
    // The worker may be waiting in a notice for this thread to handle a sent
    // message: serve those while waiting, or it could never wind down.
    HANDLE thread = thread_.Get();
    for (DWORD waited = 0; waited < stopWait_; waited += kStopStep) {
        const DWORD result = MsgWaitForMultipleObjects(1, &thread, FALSE, kStopStep, QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0) return;
        if (result == WAIT_OBJECT_0 + 1) {
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

}  // namespace updater
