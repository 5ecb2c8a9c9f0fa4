#pragma once

#include "base/listeners.h"
#include "session/songhistory.h"

#include <QString>
#include <QUrl>
#include <QWidget>

class QLabel;

namespace Vello {

class ElidedLabel;
class PlaybackSession;
class VelloButton;

// One song heard, on a rounded panel of a station row's size: the title, the station and the
// time it was heard, with "Copy" (the title to the clipboard) and "Search the web", and "Save
// Song" while the song is still kept.
class SongRow final : public QWidget {
    Q_OBJECT

public:
    SongRow(const SongHistory::Entry& song, QWidget* parent = nullptr);

    // "14:32": the local time of day the song was heard, on the 24-hour clock.
    [[nodiscard]] static QString timeOfDay(std::chrono::system_clock::time_point heard);
    // Where "Search the web" goes for `title`.
    [[nodiscard]] static QUrl webSearchUrl(const QString& title);

    [[nodiscard]] const ElidedLabel* titleLabel() const { return m_titleLabel; }
    [[nodiscard]] const ElidedLabel* stationLabel() const { return m_stationLabel; }
    [[nodiscard]] const QLabel* timeLabel() const { return m_timeLabel; }
    [[nodiscard]] VelloButton* copyButton() const { return m_copyButton; }
    [[nodiscard]] VelloButton* searchButton() const { return m_searchButton; }
    // "Save Song", once offered.
    [[nodiscard]] VelloButton* saveButton() const { return m_saveButton; }

    // Offers "Save Song", which saves the song kept as `songId` and shows how that went.
    void offerSave(PlaybackSession& session, std::uint64_t songId);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    ElidedLabel* m_titleLabel;
    ElidedLabel* m_stationLabel;
    QLabel* m_timeLabel;
    VelloButton* m_copyButton;
    VelloButton* m_searchButton;
    VelloButton* m_saveButton = nullptr;
    Subscription m_followed;
};

// Asks whether to clear the list of songs heard; true for Clear.
[[nodiscard]] bool confirmClearSongs(QWidget* parent);

} // namespace Vello
