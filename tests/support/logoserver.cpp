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

void LogoServer::answer(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool()) {
        return;
    }
    socket->setProperty("answered", true);
    const QList<QByteArray> lines = request.left(request.indexOf("\r\n\r\n")).split('\n');
    const QList<QByteArray> requestLine = lines.first().split(' ');
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine.at(1)) : QString();
    m_requests[path] += 1;
    QHash<QByteArray, QByteArray>& headers = m_requestHeaders[path];
    headers.clear();
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) {
            headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
        }
    }

    const Route route = m_routes.value(path, Route {"404 Not Found"});
    // A 304 may declare the length a 200 would have had; no body follows all the same.
    const bool notModified = !route.etag.isEmpty() && headers.value("if-none-match") == route.etag;
    const QByteArray head = "HTTP/1.1 " + (notModified ? QByteArray("304 Not Modified") : route.status) + "\r\n"
        + route.headers + (route.etag.isEmpty() ? QByteArray() : "ETag: " + route.etag + "\r\n")
        + "Connection: close\r\n";
    const QByteArray withLength = head + "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n\r\n";
    switch (notModified ? Delivery::Whole : route.delivery) {
    case Delivery::Hold:
        ++m_held;
        connect(socket, &QTcpSocket::disconnected, this, [this] { --m_held; });
        break;
    case Delivery::Endless:
        socket->write(head + "Transfer-Encoding: chunked\r\n\r\n");
        connect(socket, &QTcpSocket::bytesWritten, socket, [socket] { pour(socket); });
        pour(socket);
        break;
    case Delivery::Drip:
        socket->write(withLength);
        drip(socket, route.body);
        break;
    case Delivery::Reset:
        socket->write(withLength + route.body.left(route.body.size() / 2));
        socket->flush();
        socket->abort();
        break;
    case Delivery::Whole:
        socket->write(withLength + (notModified ? QByteArray() : route.body));
        socket->disconnectFromHost();
        break;
    }
}

void LogoServer::drip(QTcpSocket* socket, const QByteArray& rest)
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
