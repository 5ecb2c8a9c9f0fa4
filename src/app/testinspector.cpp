#include "testinspector.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRect>
#include <QWidget>

#include <cstdio>

namespace Vello {

namespace {

// A request is one short line; anything longer is not from the test and is not worth buffering.
constexpr qint64 maxRequestBytes = 4096;

QRect globalRect(const QWidget* widget)
{
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

// The part of the widget that its ancestors do not clip away: a row scrolled out of the content
// area is still "visible" to Qt but cannot be seen or clicked.
QRect shownRect(const QWidget* widget)
{
    QRect shown = globalRect(widget);
    for (const QWidget* ancestor = widget->parentWidget(); ancestor && !shown.isEmpty();
         ancestor = ancestor->parentWidget()) {
        shown &= globalRect(ancestor);
        if (ancestor->isWindow()) {
            break;
        }
    }
    return shown;
}

void putRect(QJsonObject& object, const QRect& rect)
{
    object.insert(QStringLiteral("x"), rect.x());
    object.insert(QStringLiteral("y"), rect.y());
    object.insert(QStringLiteral("w"), rect.width());
    object.insert(QStringLiteral("h"), rect.height());
}

QJsonObject describe(const QWidget* widget, const QRect& shown, int windowIndex)
{
    QJsonObject object;
    object.insert(QStringLiteral("class"), QString::fromLatin1(widget->metaObject()->className()));
    object.insert(QStringLiteral("name"), widget->accessibleName());
    // Labels, buttons and line edits all publish their text as the "text" property.
    const QVariant text = widget->property("text");
    if (text.isValid() && text.canConvert<QString>()) {
        object.insert(QStringLiteral("text"), text.toString());
    }
    object.insert(QStringLiteral("enabled"), widget->isEnabled());
    object.insert(QStringLiteral("window"), windowIndex);
    putRect(object, shown);
    // Whether a click on the centre reaches this widget (or a child of it) rather than
    // something floating over it, such as the mini player.
    const QWidget* hit = QApplication::widgetAt(shown.center());
    object.insert(QStringLiteral("reachable"), hit && (hit == widget || widget->isAncestorOf(hit)));
    return object;
}

} // namespace

std::unique_ptr<TestInspector> TestInspector::fromEnvironment()
{
    const QString path = qEnvironmentVariable(socketVariable);
    if (path.isEmpty()) {
        return nullptr;
    }
    auto inspector = std::make_unique<TestInspector>(path);
    if (!inspector->isListening()) {
        std::fprintf(stderr, "%s: cannot listen on %s\n", socketVariable, qPrintable(path));
    }
    return inspector;
}

TestInspector::TestInspector(const QString& socketPath, QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    // A socket file left by a player that crashed would otherwise make listening fail.
    QLocalServer::removeServer(socketPath);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(socketPath);
    connect(m_server, &QLocalServer::newConnection, this, &TestInspector::accept);
}

TestInspector::~TestInspector() = default;

bool TestInspector::isListening() const
{
    return m_server->isListening();
}

QJsonObject TestInspector::snapshot()
{
    QJsonArray windows;
    QJsonArray widgets;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        const int windowIndex = int(windows.size());
        QJsonObject windowObject;
        windowObject.insert(QStringLiteral("class"), QString::fromLatin1(window->metaObject()->className()));
        windowObject.insert(QStringLiteral("title"), window->windowTitle());
        windowObject.insert(QStringLiteral("windowId"), QString::number(window->winId()));
        windowObject.insert(QStringLiteral("active"), window->isActiveWindow());
        putRect(windowObject, globalRect(window));
        windows.append(windowObject);

        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->isWindow() || !widget->isVisible()) {
                continue;
            }
            const QRect shown = shownRect(widget);
            if (!shown.isEmpty()) {
                widgets.append(describe(widget, shown, windowIndex));
            }
        }
    }
    QJsonObject answer;
    answer.insert(QStringLiteral("windows"), windows);
    answer.insert(QStringLiteral("widgets"), widgets);
    return answer;
}

void TestInspector::accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
    }
}

void TestInspector::answer(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > maxRequestBytes) {
            socket->abort();
        }
        return;
    }
    socket->readAll();
    socket->write(QJsonDocument(snapshot()).toJson(QJsonDocument::Compact));
    socket->write("\n");
    // Leaves once everything is written, so one connection carries exactly one answer.
    socket->disconnectFromServer();
}

} // namespace Vello
