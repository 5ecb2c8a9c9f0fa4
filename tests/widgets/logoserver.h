#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include <string>

namespace Vello {

// A small HTTP/1.1 server on a free loopback port, served by the event loop of the thread
// that made it. Routes answer with a fixed body; held routes never answer.
class LogoServer final : public QObject {
    Q_OBJECT

public:
    LogoServer();
    ~LogoServer() override;

    [[nodiscard]] bool isListening() const { return m_server.isListening(); }
    void serve(const QString& path, const QByteArray& body, const QByteArray& contentType);
    void hold(const QString& path);
    [[nodiscard]] std::string url(const QString& path) const;
    [[nodiscard]] int requestCount(const QString& path) const { return m_requests.value(path); }

private:
    void answer(QTcpSocket* socket);

    QTcpServer m_server;
    QHash<QString, QByteArray> m_bodies;
    QHash<QString, QByteArray> m_types;
    QHash<QString, int> m_requests;
    QList<QPointer<QTcpSocket>> m_held;
};

} // namespace Vello
