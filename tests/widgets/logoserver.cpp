#include "logoserver.h"

#include <QHostAddress>

namespace Vello {

LogoServer::LogoServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server.listen(QHostAddress::LocalHost, 0);
}

LogoServer::~LogoServer()
{
    for (const auto& socket : m_held) {
        if (socket) {
            socket->abort();
        }
    }
}

void LogoServer::serve(const QString& path, const QByteArray& body, const QByteArray& contentType)
{
    m_bodies.insert(path, body);
    m_types.insert(path, contentType);
}

void LogoServer::hold(const QString& path)
{
    m_bodies.remove(path);
    m_types.insert(path, QByteArray());
}

std::string LogoServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path).toStdString();
}

void LogoServer::answer(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n")) {
        return;
    }
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine.at(1)) : QString();
    m_requests[path] += 1;

    if (m_types.contains(path) && !m_bodies.contains(path)) {
        m_held.append(socket);
        return;
    }
    QByteArray reply;
    if (m_bodies.contains(path)) {
        const QByteArray& body = m_bodies[path];
        reply = "HTTP/1.1 200 OK\r\nContent-Type: " + m_types[path]
            + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    } else {
        reply = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    }
    socket->write(reply);
    socket->disconnectFromHost();
}

} // namespace Vello
