#include "dbussongnotifier.h"

#include "catalog/station.h"
#include "widgets/translation.h"

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
    QVariantMap hints {{QStringLiteral("desktop-entry"), QStringLiteral("org.pembavello.PembaVello")}};
    const QString logo = m_logoFile && !notice.favicon.empty() ? m_logoFile(notice.favicon) : QString();
    if (QImage image = logo.isEmpty() ? QImage() : QImage(logo); !image.isNull()) {
        if (image.width() > logoSize || image.height() > logoSize) {
            image = image.scaled(logoSize, logoSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        hints.insert(QStringLiteral("image-data"),
            QVariant::fromValue(NotificationImage {image.convertToFormat(QImage::Format_RGBA8888)}));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("Notify"));
    call << QStringLiteral("Pemba Vello") << m_lastId << QStringLiteral("org.pembavello.PembaVello")
         << QString::fromStdString(notice.song) << stationText(notice.station, unnamedStationText) << QStringList {}
         << hints << -1;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
        answer->deleteLater();
        const QDBusMessage reply = answer->reply();
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            m_lastId = reply.arguments().constFirst().toUInt();
        }
    });
}

} // namespace Vello
