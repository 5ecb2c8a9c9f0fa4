#pragma once

#include "ports/httpclient.h"

#include <QThread>
#include <QThreadPool>

#include <chrono>
#include <memory>
#include <mutex>

class QObject;

namespace Vello {

// The HTTP client on Qt Network. The network work happens on a thread of its own and every
// completion runs on a pool thread, so a slow completion (decoding a catalog, scaling a logo)
// never holds up other transfers or the GUI thread. Certificates are verified, redirects are
// followed unless they go from https to http, a transfer that moves no data for
// `transferTimeout` ends with an error, and so does one that breaks a limit of its request. The
// body is read as it arrives, so no more than its cap (counted after decompression) is ever
// held for it. Every request names the application in its User-Agent.
class QtHttpClient final : public HttpClient {
public:
    explicit QtHttpClient(
        std::string userAgent = "PembaVello", std::chrono::milliseconds transferTimeout = std::chrono::seconds(60));
    // Ends the transfers still running (their completions receive an error) and waits for every
    // completion to return.
    ~QtHttpClient() override;

    QtHttpClient(const QtHttpClient&) = delete;
    QtHttpClient& operator=(const QtHttpClient&) = delete;

    // Safe to call from any thread, including from inside a completion.
    using HttpClient::get;
    void get(HttpRequest request, Completion completion) override;

private:
    class Transfers;

    void deliver(Completion completion, HttpResult result);

    std::string m_userAgent;
    std::chrono::milliseconds m_transferTimeout;
    QThreadPool m_completions;
    QThread m_networkThread;
    // Lives on m_networkThread; owns the network manager and the replies.
    std::unique_ptr<Transfers> m_transfers;
    std::mutex m_mutex;
    bool m_closing = false;
};

} // namespace Vello
