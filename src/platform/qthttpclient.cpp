#include "qthttpclient.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QUrl>

#include <string>
#include <unordered_map>
#include <utility>

namespace Vello {

namespace {

std::string sizeText(std::size_t bytes)
{
    constexpr std::size_t kilobyte = 1024;
    constexpr std::size_t megabyte = kilobyte * kilobyte;
    if (bytes >= megabyte && bytes % megabyte == 0) {
        return std::to_string(bytes / megabyte) + " MB";
    }
    if (bytes >= kilobyte && bytes % kilobyte == 0) {
        return std::to_string(bytes / kilobyte) + " KB";
    }
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

std::string durationText(std::chrono::milliseconds duration)
{
    const auto count = duration.count();
    if (count % 1000 == 0) {
        const auto seconds = count / 1000;
        return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
    }
    return std::to_string(count) + " ms";
}

Error tooLarge(std::size_t maxBodyBytes)
{
    return Error {"The response is larger than " + sizeText(maxBodyBytes)};
}

// Qt reports an HTTP error status as a reply error, but a server that answered is not a
// failed transfer: the caller gets the status and the body and decides for itself.
bool isHttpStatusError(QNetworkReply::NetworkError error)
{
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

} // namespace

// Everything here runs on the network thread; the client reaches it only through queued calls
// on m_context.
class QtHttpClient::Transfers final {
public:
    Transfers(QtHttpClient& client, QThread& thread)
        : m_client(client)
        , m_context(new QObject)
    {
        m_context->moveToThread(&thread);
    }

    ~Transfers() { delete m_context; }

    Transfers(const Transfers&) = delete;
    Transfers& operator=(const Transfers&) = delete;

    [[nodiscard]] QObject* context() const { return m_context; }

    void createManager(std::chrono::milliseconds transferTimeout)
    {
        m_manager = new QNetworkAccessManager(m_context);
        m_manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
        m_manager->setTransferTimeout(static_cast<int>(transferTimeout.count()));
    }

    void start(const QUrl& url, HttpRequest request, Completion completion)
    {
        QNetworkReply* reply = m_manager->get(QNetworkRequest(url));
        m_active.emplace(reply, Transfer {{}, std::move(request), std::move(completion)});
        QObject::connect(reply, &QNetworkReply::metaDataChanged, m_context, [this, reply] { checkLength(reply); });
        QObject::connect(reply, &QNetworkReply::readyRead, m_context, [this, reply] { drain(reply); });
        QObject::connect(reply, &QNetworkReply::finished, m_context, [this, reply] { finish(reply); });
    }

    // Ends every transfer still running; their completions learn why.
    void closeAll()
    {
        while (!m_active.empty()) {
            fail(m_active.begin()->first, Error {"The transfer was stopped because the application is closing"});
        }
        delete m_manager;
        m_manager = nullptr;
    }

private:
    struct Transfer {
        std::string body;
        HttpRequest request;
        Completion completion;
    };

    // A declared length over the cap fails before any of the body arrives.
    void checkLength(QNetworkReply* reply)
    {
        const auto found = m_active.find(reply);
        if (found == m_active.end()) {
            return;
        }
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        const bool redirecting = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid();
        if (!redirecting && length.isValid() && length.toULongLong() > found->second.request.maxBodyBytes) {
            fail(reply, tooLarge(found->second.request.maxBodyBytes));
        }
    }

    // Takes what has arrived, refusing to hold more than the cap.
    bool drain(QNetworkReply* reply)
    {
        const auto found = m_active.find(reply);
        if (found == m_active.end()) {
            return false;
        }
        Transfer& transfer = found->second;
        const auto available = static_cast<std::size_t>(reply->bytesAvailable());
        if (available > transfer.request.maxBodyBytes - transfer.body.size()) {
            fail(reply, tooLarge(transfer.request.maxBodyBytes));
            return false;
        }
        if (available == 0) {
            return true;
        }
        const QByteArray chunk = reply->readAll();
        // Grown in one step to the announced length: growing by doubling copies a large body
        // and holds both copies for a moment.
        if (const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            transfer.body.empty() && length.isValid() && length.toULongLong() <= transfer.request.maxBodyBytes) {
            transfer.body.reserve(static_cast<std::size_t>(length.toULongLong()));
        }
        transfer.body.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
        if (transfer.request.onProgress) {
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            transfer.request.onProgress(transfer.body.size(),
                length.isValid() ? std::optional<std::size_t>(length.toULongLong()) : std::nullopt);
        }
        return true;
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
        if (error == QNetworkReply::NoError || (status.isValid() && isHttpStatusError(error))) {
            m_client.deliver(std::move(transfer.completion), HttpResponse {status.toInt(), std::move(transfer.body)});
        } else if (error == QNetworkReply::OperationCanceledError) {
            // Only the transfer time-out cancels a reply that is still in m_active.
            m_client.deliver(std::move(transfer.completion),
                Error {"The server sent no data for " + durationText(m_client.m_transferTimeout)});
        } else {
            m_client.deliver(std::move(transfer.completion), Error {reply->errorString().toStdString()});
        }
    }

    void fail(QNetworkReply* reply, Error error)
    {
        const auto found = m_active.find(reply);
        Completion completion = std::move(found->second.completion);
        m_active.erase(found);
        QObject::disconnect(reply, nullptr, m_context, nullptr);
        reply->abort();
        reply->deleteLater();
        m_client.deliver(std::move(completion), std::move(error));
    }

    QtHttpClient& m_client;
    QObject* m_context;
    QNetworkAccessManager* m_manager = nullptr;
    std::unordered_map<QNetworkReply*, Transfer> m_active;
};

QtHttpClient::QtHttpClient(std::chrono::milliseconds transferTimeout)
    : m_transferTimeout(transferTimeout)
{
    m_networkThread.setObjectName(QStringLiteral("PembaVello network"));
    m_transfers = std::make_unique<Transfers>(*this, m_networkThread);
    m_networkThread.start();
    QMetaObject::invokeMethod(
        m_transfers->context(), [this] { m_transfers->createManager(m_transferTimeout); },
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
        deliver(std::move(completion), Error {"\"" + url + "\" is not a valid web address"});
        return;
    }
    const std::lock_guard lock(m_mutex);
    if (m_closing) {
        deliver(std::move(completion), Error {"The transfer was stopped because the application is closing"});
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
