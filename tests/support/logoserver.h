#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include <string>
#include <utility>

namespace Vello {

// A small HTTP/1.1 server on a free loopback port, served by the event loop of the thread that
// made it: well-behaved answers for logos and catalogs, and the hostile ones the HTTP client
// must survive. Unknown paths get a 404.
class LogoServer final : public QObject {
    Q_OBJECT

public:
    enum class Delivery {
        Whole, // the head with a Content-Length, then the body
        Hold, // nothing at all
        Drip, // the head with a Content-Length, then the body a byte at a time
        Endless, // a chunked body that never ends
        Reset, // the head with a Content-Length, half the body, then the connection dropped
    };
    struct Route {
        // The status line's code and text, and any header lines, each ending in "\r\n".
        QByteArray status = "200 OK";
        QByteArray headers {};
        QByteArray body {};
        Delivery delivery = Delivery::Whole;
        // Sent as the ETag header; a request whose If-None-Match names it gets a 304 instead.
        QByteArray etag {};
    };

    LogoServer();

    void route(const QString& path, Route route) { m_routes.insert(path, std::move(route)); }
    void serve(const QString& path, const QByteArray& body, const QByteArray& contentType)
    {
        route(path, Route {"200 OK", "Content-Type: " + contentType + "\r\n", body});
    }
    [[nodiscard]] std::string url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path).toStdString();
    }
    [[nodiscard]] int requestCount(const QString& path) const { return m_requests.value(path); }
    // The connections answered with Delivery::Hold that the client still keeps open.
    [[nodiscard]] int heldConnections() const { return m_held; }
    // The header lines of the latest request for `path`, by name in lower case.
    [[nodiscard]] QHash<QByteArray, QByteArray> requestHeaders(const QString& path) const
    {
        return m_requestHeaders.value(path);
    }

private:
    void answer(QTcpSocket* socket);
    static void drip(QTcpSocket* socket, const QByteArray& rest);
    static void pour(QTcpSocket* socket);

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QHash<QString, int> m_requests;
    QHash<QString, QHash<QByteArray, QByteArray>> m_requestHeaders;
    int m_held = 0;
};

} // namespace Vello
