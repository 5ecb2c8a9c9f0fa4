#include "qthttpclient.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <deque>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace Vello {

namespace {

Text sizeText(std::size_t bytes)
{
    constexpr std::size_t kilobyte = 1024;
    constexpr std::size_t megabyte = kilobyte * kilobyte;
    if (bytes >= megabyte && bytes % megabyte == 0) {
        return {VELLO_TR("Core", "%1 MB"), {Text::number(static_cast<std::int64_t>(bytes / megabyte))}};
    }
    if (bytes >= kilobyte && bytes % kilobyte == 0) {
        return {VELLO_TR("Core", "%1 KB"), {Text::number(static_cast<std::int64_t>(bytes / kilobyte))}};
    }
    return Text::counted(VELLO_TR_N("Core", "%Ln byte(s)"), static_cast<std::int64_t>(bytes));
}

Text durationText(std::chrono::milliseconds duration)
{
    const auto count = duration.count();
    if (count % 1000 == 0) {
        return Text::counted(VELLO_TR_N("Core", "%Ln second(s)"), count / 1000);
    }
    return {VELLO_TR("Core", "%1 ms"), {Text::number(count)}};
}

Error tooLarge(std::size_t maxBodyBytes)
{
    return Error {{VELLO_TR("Core", "The response is larger than %1"), {sizeText(maxBodyBytes)}}};
}

// Qt reports an HTTP error status as a reply error, but a server that answered with a whole
// body is not a failed transfer: the caller gets the status and the body and decides for itself.
bool isHttpStatusError(QNetworkReply::NetworkError error)
{
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError)
        || error == QNetworkReply::ProtocolInvalidOperationError;
}

// Hands the memory freed by a large body back to the system; glibc keeps it otherwise.
void releaseFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

// Everything here runs on the network thread; the client reaches it only through queued calls
// on m_context.
class QtHttpClient::Transfers final {
public:
    Transfers(QtHttpClient& client, QThread& thread)
        : m_client(client)
        , m_context(new QObject)
        , m_scratch(readChunkBytes)
    {
        m_context->moveToThread(&thread);
    }

    ~Transfers() { delete m_context; }

    Transfers(const Transfers&) = delete;
    Transfers& operator=(const Transfers&) = delete;

    [[nodiscard]] QObject* context() const { return m_context; }

    void createManager(std::chrono::milliseconds transferTimeout, const std::string& userAgent)
    {
        m_userAgent = QByteArray::fromStdString(userAgent);
        // A manager opens at most six connections to a host and queues the rest: background
        // requests get a manager of their own, whose queue nothing else waits in.
        const auto makeManager = [this, transferTimeout] {
            auto* manager = new QNetworkAccessManager(m_context);
            manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
            manager->setTransferTimeout(static_cast<int>(transferTimeout.count()));
            return manager;
        };
        m_manager = makeManager();
        m_backgroundManager = makeManager();
    }

    void start(const QUrl& url, HttpRequest request, Completion completion)
    {
        QNetworkRequest networkRequest(url);
        // Qt's own bomb check stops at a fixed ratio and reports a bare decompression failure;
        // the body cap below counts the decompressed bytes instead, and Qt then inflates only
        // as much as is read.
        networkRequest.setDecompressedSafetyCheckThreshold(-1);
        networkRequest.setRawHeader("User-Agent", m_userAgent);
        // A server's cookie would tie one request to the next (a play counted to the list fetched
        // before it): none is kept or sent.
        networkRequest.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
        networkRequest.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
        for (const auto& [name, value] : request.headers) {
            networkRequest.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
        }
        QNetworkReply* reply = (request.background ? m_backgroundManager : m_manager)->get(networkRequest);
        // Without a limit Qt buffers whatever the socket delivers, however fast it comes.
        reply->setReadBufferSize(readBufferBytes);
        Transfer& transfer = m_active[reply];
        transfer.request = std::move(request);
        transfer.completion = std::move(completion);
        transfer.clock.start();
        transfer.samples.push_back({0, 0});
        QObject::connect(reply, &QNetworkReply::metaDataChanged, m_context, [this, reply] { checkLength(reply); });
        QObject::connect(reply, &QNetworkReply::readyRead, m_context, [this, reply] { drain(reply); });
        QObject::connect(reply, &QNetworkReply::finished, m_context, [this, reply] { finish(reply); });
        QObject::connect(reply, &QNetworkReply::sslErrors, m_context, [this, reply] {
            if (const auto found = m_active.find(reply); found != m_active.end()) {
                found->second.certificateRefused = true;
            }
        });
        startLimits(reply, transfer.request);
    }

    // Ends every transfer still running; their completions learn why.
    void closeAll()
    {
        while (!m_active.empty()) {
            fail(m_active.begin()->first,
                Error {VELLO_TR("Core", "The transfer was stopped because the application is closing")});
        }
        delete m_manager;
        m_manager = nullptr;
        delete m_backgroundManager;
        m_backgroundManager = nullptr;
    }

private:
    // How much is read from a reply at a time, and how much Qt may hold for it unread.
    static constexpr std::size_t readChunkBytes = std::size_t {64} * 1024;
    static constexpr qint64 readBufferBytes = qint64 {512} * 1024;
    // A failed body at least this large leaves enough freed memory to be worth handing back.
    static constexpr std::size_t trimAfterBytes = std::size_t {16} * 1024 * 1024;

    struct Sample {
        qint64 elapsedMs;
        std::size_t received;
    };

    struct Transfer {
        HttpRequest request;
        Completion completion;
        std::string body;
        // The bytes of the body so far, kept or handed to the request's onBody.
        std::size_t received = 0;
        QElapsedTimer clock;
        // The bytes received at moments of the last rate window, oldest first.
        std::deque<Sample> samples;
        // The server's certificate was refused, which Qt says in words of its own.
        bool certificateRefused = false;
    };

    // The timers belong to the reply, so they end with it.
    void startLimits(QNetworkReply* reply, const HttpRequest& request)
    {
        if (request.connectDeadline.count() > 0) {
            const std::chrono::milliseconds deadline = request.connectDeadline;
            auto* connecting = new QTimer(reply);
            connecting->setSingleShot(true);
            QObject::connect(connecting, &QTimer::timeout, reply, [this, reply, deadline] {
                if (m_active.contains(reply)) {
                    fail(reply,
                        Error {{VELLO_TR("Core", "The server did not accept a connection within %1"),
                            {durationText(deadline)}}});
                }
            });
            // Sent once the connection (and its encryption) stands; a redirect connects afresh.
            QObject::connect(reply, &QNetworkReply::requestSent, connecting, &QTimer::stop);
            QObject::connect(reply, &QNetworkReply::redirected, connecting, [connecting] { connecting->start(); });
            connecting->start(deadline);
        }
        if (request.deadline.count() > 0) {
            const std::chrono::milliseconds deadline = request.deadline;
            QTimer::singleShot(deadline, reply, [this, reply, deadline] {
                if (m_active.contains(reply)) {
                    fail(reply,
                        Error {{VELLO_TR("Core", "The download took longer than %1"), {durationText(deadline)}}});
                }
            });
        }
        if (request.minimumBytesPerSecond > 0 && request.rateWindow.count() > 0) {
            auto* timer = new QTimer(reply);
            QObject::connect(timer, &QTimer::timeout, reply, [this, reply] { checkRate(reply); });
            timer->start(std::max<std::chrono::milliseconds>(request.rateWindow / 5, std::chrono::milliseconds(10)));
        }
    }

    // Compares what arrived over the last window with the minimum; the oldest sample kept is
    // the latest one at least a window old.
    void checkRate(QNetworkReply* reply)
    {
        const auto found = m_active.find(reply);
        if (found == m_active.end()) {
            return;
        }
        Transfer& transfer = found->second;
        const qint64 now = transfer.clock.elapsed();
        const qint64 window = transfer.request.rateWindow.count();
        transfer.samples.push_back({now, transfer.received});
        while (transfer.samples.size() >= 2 && transfer.samples[1].elapsedMs <= now - window) {
            transfer.samples.pop_front();
        }
        const Sample& oldest = transfer.samples.front();
        if (now - oldest.elapsedMs < window) {
            return;
        }
        const double seconds = static_cast<double>(now - oldest.elapsedMs) / 1000.0;
        const double expected = static_cast<double>(transfer.request.minimumBytesPerSecond) * seconds;
        if (static_cast<double>(transfer.received - oldest.received) < expected) {
            fail(reply,
                Error {{VELLO_TR("Core", "The server sent too little data: less than %1 a second over %2"),
                    {sizeText(transfer.request.minimumBytesPerSecond), durationText(transfer.request.rateWindow)}}});
        }
    }

    // A declared length over the cap fails before any of the body arrives; one within it is
    // room enough for the whole body. A 304 may declare the length of the body it stands for, and
    // none of it follows, as with a 204.
    void checkLength(QNetworkReply* reply)
    {
        const auto found = m_active.find(reply);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (found == m_active.end() || reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid()
            || status == 204 || status == 304) {
            return;
        }
        Transfer& transfer = found->second;
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (!length.isValid()) {
            return;
        }
        const auto declared = length.toULongLong();
        if (declared > transfer.request.maxBodyBytes) {
            fail(reply, tooLarge(transfer.request.maxBodyBytes));
            return;
        }
        const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
        if ((encoding.isEmpty() || encoding == "identity") && transfer.received == 0 && !transfer.request.onBody) {
            transfer.body.reserve(static_cast<std::size_t>(declared));
        }
    }

    // Takes what has arrived, counting the bytes after decompression and refusing to hold more
    // than the cap. False when the transfer has ended.
    bool drain(QNetworkReply* reply)
    {
        const auto found = m_active.find(reply);
        if (found == m_active.end()) {
            return false;
        }
        Transfer& transfer = found->second;
        const std::size_t cap = transfer.request.maxBodyBytes;
        const std::size_t before = transfer.received;
        // A reply Qt cancelled (the idle time-out) is closed and has nothing left to read.
        while (reply->isOpen()) {
            // One byte past the room left is enough to know the cap is broken.
            const std::size_t room = cap - transfer.received;
            const std::size_t wanted = room < readChunkBytes ? room + 1 : readChunkBytes;
            const QNetworkReply::NetworkError errorBefore = reply->error();
            const qint64 read = reply->read(m_scratch.data(), static_cast<qint64>(wanted));
            if (read < 0) {
                // The end of a finished body, or a body that could not be decompressed: that is
                // a broken transfer, whatever the status line said.
                if (errorBefore == QNetworkReply::NoError && reply->error() != QNetworkReply::NoError) {
                    fail(reply, Error {Text::verbatim(reply->errorString().toStdString())});
                    return false;
                }
                break;
            }
            if (read == 0) {
                break;
            }
            const auto count = static_cast<std::size_t>(read);
            if (count > room) {
                fail(reply, tooLarge(cap));
                return false;
            }
            transfer.received += count;
            if (transfer.request.onBody) {
                transfer.request.onBody({m_scratch.data(), count});
            } else {
                grow(transfer.body, count, cap);
                transfer.body.append(m_scratch.data(), count);
            }
        }
        if (transfer.request.onProgress && transfer.received != before) {
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            transfer.request.onProgress(
                transfer.received, length.isValid() ? std::optional<std::size_t>(length.toULongLong()) : std::nullopt);
        }
        return true;
    }

    // Doubles the body's room in steps that end exactly at the cap, so a body that reaches the
    // cap is never copied into a block larger than the cap. A body of announced length has its
    // room already.
    static void grow(std::string& body, std::size_t count, std::size_t cap)
    {
        const std::size_t needed = body.size() + count;
        if (needed <= body.capacity()) {
            return;
        }
        std::size_t next = cap;
        while (next / 2 + next % 2 >= std::max(needed, readChunkBytes)) {
            next = next / 2 + next % 2;
        }
        body.reserve(next);
    }

    void finish(QNetworkReply* reply)
    {
        if (!drain(reply)) {
            return;
        }
        const auto found = m_active.find(reply);
        Transfer transfer = std::move(found->second);
        m_active.erase(found);
        reply->deleteLater();

        const QNetworkReply::NetworkError error = reply->error();
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const bool statusReply = status.isValid() && status.toInt() >= 400 && isHttpStatusError(error);
        if (error == QNetworkReply::NoError || statusReply) {
            HttpHeaders headers;
            for (const auto& [name, value] : reply->rawHeaderPairs()) {
                headers.emplace_back(name.toLower().toStdString(), value.toStdString());
            }
            m_client.deliver(std::move(transfer.completion),
                HttpResponse {status.toInt(), std::move(transfer.body), std::move(headers)});
            return;
        }
        const bool large = transfer.body.capacity() >= trimAfterBytes;
        transfer.body = {};
        if (error == QNetworkReply::OperationCanceledError) {
            // Only the transfer time-out cancels a reply that is still in m_active.
            m_client.deliver(std::move(transfer.completion),
                Error {
                    {VELLO_TR("Core", "The server sent no data for %1"), {durationText(m_client.m_transferTimeout)}}});
        } else if (error == QNetworkReply::SslHandshakeFailedError && !transfer.certificateRefused) {
            // Otherwise the words are OpenSSL's ("wrong version number"); the usual cause is an
            // https address of a server that speaks plain http only.
            m_client.deliver(std::move(transfer.completion),
                Error {VELLO_TR(
                    "Core", "No secure connection could be made: the server may not offer https at this address.")});
        } else {
            m_client.deliver(
                std::move(transfer.completion), Error {Text::verbatim(reply->errorString().toStdString())});
        }
        if (large) {
            releaseFreedMemoryLater();
        }
    }

    void fail(QNetworkReply* reply, Error error)
    {
        const auto found = m_active.find(reply);
        const bool large = found->second.body.capacity() >= trimAfterBytes;
        Completion completion = std::move(found->second.completion);
        m_active.erase(found);
        QObject::disconnect(reply, nullptr, m_context, nullptr);
        reply->abort();
        reply->deleteLater();
        m_client.deliver(std::move(completion), std::move(error));
        if (large) {
            releaseFreedMemoryLater();
        }
    }

    // After the reply's own buffers are gone too.
    void releaseFreedMemoryLater()
    {
        QTimer::singleShot(0, m_context, [] { releaseFreedMemory(); });
    }

    QtHttpClient& m_client;
    QObject* m_context;
    QNetworkAccessManager* m_manager = nullptr;
    QNetworkAccessManager* m_backgroundManager = nullptr;
    QByteArray m_userAgent;
    std::unordered_map<QNetworkReply*, Transfer> m_active;
    std::vector<char> m_scratch;
};

QtHttpClient::QtHttpClient(std::string userAgent, std::chrono::milliseconds transferTimeout)
    : m_userAgent(std::move(userAgent))
    , m_transferTimeout(transferTimeout)
{
    m_networkThread.setObjectName(QStringLiteral("PembaVello network"));
    m_transfers = std::make_unique<Transfers>(*this, m_networkThread);
    m_networkThread.start();
    QMetaObject::invokeMethod(
        m_transfers->context(), [this] { m_transfers->createManager(m_transferTimeout, m_userAgent); },
        Qt::BlockingQueuedConnection);
}

QtHttpClient::~QtHttpClient()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    // Requests queued before m_closing was set are started first and then ended here, so each
    // completion still runs exactly once.
    QMetaObject::invokeMethod(
        m_transfers->context(), [this] { m_transfers->closeAll(); }, Qt::BlockingQueuedConnection);
    m_networkThread.quit();
    m_networkThread.wait();
    m_transfers.reset();
    m_completions.waitForDone();
}

void QtHttpClient::get(HttpRequest request, Completion completion)
{
    const std::string& url = request.url;
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    if (!parsed.isValid() || parsed.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        deliver(std::move(completion),
            Error {{VELLO_TR("Core", "\"%1\" is not a valid web address"), {Text::verbatim(url)}}});
        return;
    }
    const std::lock_guard lock(m_mutex);
    if (m_closing) {
        deliver(std::move(completion),
            Error {VELLO_TR("Core", "The transfer was stopped because the application is closing")});
        return;
    }
    QMetaObject::invokeMethod(
        m_transfers->context(),
        [this, parsed, request = std::move(request), completion = std::move(completion)]() mutable {
            m_transfers->start(parsed, std::move(request), std::move(completion));
        },
        Qt::QueuedConnection);
}

void QtHttpClient::deliver(Completion completion, HttpResult result)
{
    m_completions.start(
        [completion = std::move(completion), result = std::move(result)]() mutable { completion(std::move(result)); });
}

} // namespace Vello
