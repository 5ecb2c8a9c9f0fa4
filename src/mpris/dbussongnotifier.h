#pragma once

#include "ports/songnotifier.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace Vello {

// Song notices through org.freedesktop.Notifications: the song as the summary, the station as
// the body and its logo as the image when one is kept. Each notice replaces the last one shown.
class DBusSongNotifier final : public QObject, public SongNotifier {
    Q_OBJECT

public:
    // The file holding the logo of a favicon address, or empty when none is kept.
    using LogoFile = std::function<QString(const std::string& favicon)>;
    // Logos are scaled down to fit this square.
    static constexpr int logoSize = 128;

    explicit DBusSongNotifier(QDBusConnection bus, LogoFile logoFile = {}, QObject* parent = nullptr);

    void notify(const SongNotice& notice) override;
    // The id the desktop gave the last notice, 0 before it answers for the first.
    [[nodiscard]] quint32 lastId() const { return m_lastId; }

private:
    QDBusConnection m_bus;
    LogoFile m_logoFile;
    quint32 m_lastId = 0;
};

} // namespace Vello
