#pragma once

#include "ports/songnotifier.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QDBusMessage;

namespace Vello {

// Song notices through org.freedesktop.Notifications: the song as the summary, the station as
// the body and its logo as the image when one is kept. Each notice replaces the last one shown.
// Both texts show as the text they are, markup characters included: the body is escaped unless
// the desktop says it reads no markup there, which it is asked once it can answer.
class DBusSongNotifier final : public QObject, public SongNotifier {
    Q_OBJECT

public:
    // The file holding the logo of a favicon address, or empty when none is kept.
    using LogoFile = std::function<QString(const std::string& favicon)>;
    // Logos are scaled down to fit this square.
    static constexpr int logoSize = 128;

    explicit DBusSongNotifier(QDBusConnection bus, LogoFile logoFile = {}, QObject* parent = nullptr);

    // Sent at once unless the desktop has yet to answer the last call; a notice that comes
    // meanwhile waits for that answer, and only the newest waiting one is sent.
    void notify(const SongNotice& notice) override;
    // The id the desktop gave the last notice, 0 before it answers for the first.
    [[nodiscard]] quint32 lastId() const { return m_lastId; }

private:
    // Sends the waiting notice, first asking how the desktop reads the body if it is not known.
    void sendWaiting();
    // Calls the desktop; `answered` runs with its reply, and the waiting notice goes after it.
    void call(const QDBusMessage& message, const std::function<void(const QDBusMessage&)>& answered);
    [[nodiscard]] QDBusMessage notifyCall(const SongNotice& notice) const;

    QDBusConnection m_bus;
    LogoFile m_logoFile;
    quint32 m_lastId = 0;
    // Whether the desktop reads the body as markup; unknown until it answers.
    std::optional<bool> m_bodyMarkup;
    // The desktop was asked for the waiting notice and did not say.
    bool m_askedForWaiting = false;
    bool m_awaitingAnswer = false;
    std::optional<SongNotice> m_waiting;
};

} // namespace Vello
