#include "logoserver.h"

#include <QHostAddress>
#include <QTimer>

namespace Vello {

LogoServer::LogoServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this); // held and endless answers end with the server
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server.listen(QHostAddress::LocalHost, 0);
}

void LogoServer::serve(const QString& path, const QByteArray& body, const QByteArray& contentType)
{
    route(path, Route {"200 OK", "Content-Type: " + contentType + "\r\n", body, Delivery::Whole});
}

void LogoServer::answer(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool()) {
        return;
    }
    socket->setProperty("answered", true);
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine.at(1)) : QString();
    m_requests[path] += 1;
    QHash<QByteArray, QByteArray>& headers = m_requestHeaders[path];
    headers.clear();
    const QList<QByteArray> lines = request.left(request.indexOf("\r\n\r\n")).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0) {
            headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
        }
    }

    const Route route = m_routes.value(path, Route {"404 Not Found", {}, {}, Delivery::Whole});
    const QByteArray etag = route.etag.isEmpty() ? QByteArray() : "ETag: " + route.etag + "\r\n";
    if (!route.etag.isEmpty() && headers.value("if-none-match") == route.etag) {
        // Declaring the length a 200 would have had is allowed; no body follows all the same.
        socket->write("HTTP/1.1 304 Not Modified\r\n" + route.headers + etag
            + "Connection: close\r\nContent-Length: " + QByteArray::number(route.body.size()) + "\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    QByteArray head = "HTTP/1.1 " + route.status + "\r\n" + route.headers + etag + "Connection: close\r\n";
    if (route.delivery == Delivery::Hold) {
        return;
    }
    if (route.delivery == Delivery::Endless) {
        socket->write(head + "Transfer-Encoding: chunked\r\n\r\n");
        connect(socket, &QTcpSocket::bytesWritten, socket, [socket] { pour(socket); });
        pour(socket);
        return;
    }
    head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n\r\n";
    switch (route.delivery) {
    case Delivery::Drip:
        socket->write(head);
        drip(socket, route.body);
        break;
    case Delivery::Reset:
        socket->write(head + route.body.left(route.body.size() / 2));
        socket->flush();
        socket->abort();
        break;
    default:
        socket->write(head + route.body);
        socket->disconnectFromHost();
        break;
    }
}

void LogoServer::drip(QTcpSocket* socket, QByteArray rest)
{
    if (rest.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    socket->write(rest.left(1));
    QTimer::singleShot(20, socket, [socket, rest = rest.mid(1)] { drip(socket, rest); });
}

// Keeps a little ahead of what the client reads, for ever.
void LogoServer::pour(QTcpSocket* socket)
{
    static const QByteArray chunk = QByteArray::number(64 * 1024, 16) + "\r\n" + QByteArray(64 * 1024, 'x') + "\r\n";
    while (socket->bytesToWrite() < 4 * chunk.size()) {
        socket->write(chunk);
    }
}

} // namespace Vello
