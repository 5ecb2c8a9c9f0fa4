#pragma once

#include "base/listeners.h"

#include <QTimer>
#include <QWidget>

namespace Vello {

class ElidedLabel;
class PlaybackSession;
class VelloButton;

// The Record button, down while the session records, and beside it for how long ("● 1:23").
// It follows the session on its own, so that each place that shows it needs only to hold it.
class RecordControl final : public QWidget {
    Q_OBJECT

public:
    // `showsLength`: whether the length is shown beside the button.
    RecordControl(PlaybackSession& session, bool showsLength, QWidget* parent = nullptr);

    [[nodiscard]] VelloButton* button() const { return m_button; }
    // "● 1:23" while recording; hidden otherwise.
    [[nodiscard]] ElidedLabel* length() const { return m_length; }

private:
    void showStatus();
    void showLength();

    PlaybackSession& m_session;
    VelloButton* m_button;
    ElidedLabel* m_length;
    bool m_showsLength;
    QTimer m_tick;
    Subscription m_followed;
};

// `transport` with a RecordControl after it, on one row.
[[nodiscard]] QWidget* withRecordControl(QWidget* transport, PlaybackSession& session);

} // namespace Vello
