#include "dbussongnotifier.h"

#include "catalog/station.h"
#include "i18n/translation.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QImage>
#include <QStringList>
#include <QVariantMap>

namespace Vello {

namespace {

// The "image-data" hint: raw RGBA rows, as (iiibiiay).
struct NotificationImage {
    QImage image;
};

QDBusArgument& operator<<(QDBusArgument& argument, const NotificationImage& picture)
{
    const QImage& image = picture.image;
    argument.beginStructure();
    argument << image.width() << image.height() << static_cast<int>(image.bytesPerLine()) << true << 8 << 4
             << QByteArray(reinterpret_cast<const char*>(image.constBits()), static_cast<int>(image.sizeInBytes()));
    argument.endStructure();
    return argument;
}

// Only sent, never read back.
const QDBusArgument& operator>>(const QDBusArgument& argument, NotificationImage&)
{
    return argument;
}

QDBusMessage notificationsCall(const QString& method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("org.freedesktop.Notifications"), method);
}

// `text` as markup that shows it as it is.
QString escapedMarkup(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&') {
            escaped += QStringLiteral("&amp;");
        } else if (c == u'<') {
            escaped += QStringLiteral("&lt;");
        } else if (c == u'>') {
            escaped += QStringLiteral("&gt;");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

DBusSongNotifier::DBusSongNotifier(QDBusConnection bus, LogoFile logoFile, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_logoFile(std::move(logoFile))
{
    qDBusRegisterMetaType<NotificationImage>();
}

void DBusSongNotifier::notify(const SongNotice& notice)
{
    m_waiting = notice;
    if (!m_awaitingAnswer) {
        sendWaiting();
    }
}

void DBusSongNotifier::sendWaiting()
{
    if (!m_waiting) {
        return;
    }
    // A server that did not say, perhaps none yet, is asked again with the next notice.
    if (!m_bodyMarkup && !m_askedForWaiting) {
        m_askedForWaiting = true;
        call(notificationsCall(QStringLiteral("GetCapabilities")), [this](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                m_bodyMarkup = reply.arguments().constFirst().toStringList().contains(QStringLiteral("body-markup"));
            }
        });
        return;
    }
    m_askedForWaiting = false;
    const QDBusMessage message = notifyCall(*m_waiting);
    m_waiting.reset();
    call(message, [this](const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            m_lastId = reply.arguments().constFirst().toUInt();
        }
    });
}

void DBusSongNotifier::call(const QDBusMessage& message, const std::function<void(const QDBusMessage&)>& answered)
{
    m_awaitingAnswer = true;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, answered](QDBusPendingCallWatcher* answer) {
        answer->deleteLater();
        answered(answer->reply());
        m_awaitingAnswer = false;
        sendWaiting();
    });
}

QDBusMessage DBusSongNotifier::notifyCall(const SongNotice& notice) const
{
    QVariantMap hints {{QStringLiteral("desktop-entry"), QStringLiteral("org.pembavello.PembaVello")}};
    const QString logo = m_logoFile && !notice.favicon.empty() ? m_logoFile(notice.favicon) : QString();
    if (QImage image = logo.isEmpty() ? QImage() : QImage(logo); !image.isNull()) {
        if (image.width() > logoSize || image.height() > logoSize) {
            image = image.scaled(logoSize, logoSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        hints.insert(QStringLiteral("image-data"),
            QVariant::fromValue(NotificationImage {image.convertToFormat(QImage::Format_RGBA8888)}));
    }
    // The summary is plain text by the protocol; the body is markup where the desktop says so,
    // or may be where it has not said, and a station's name is anyone's to choose.
    QString body = stationText(notice.station, unnamedStationText);
    if (m_bodyMarkup.value_or(true)) {
        body = escapedMarkup(body);
    }
    QDBusMessage message = notificationsCall(QStringLiteral("Notify"));
    message << QStringLiteral("Pemba Vello") << m_lastId << QStringLiteral("org.pembavello.PembaVello")
            << QString::fromStdString(notice.song) << body << QStringList {} << hints << -1;
    return message;
}

} // namespace Vello
