#include "recordcontrol.h"

#include "sectionbuilders.h"

#include "session/playbacksession.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"
#include "widgets/vellobutton.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

#include <chrono>

namespace Vello {

RecordControl::RecordControl(PlaybackSession& session, bool showsLength, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_button(new VelloButton(QString(), VelloButton::Style::Icon))
    , m_length(makeLabel({}, 12, QFont::DemiBold, velloRed()))
    , m_showsLength(showsLength)
{
    setObjectName(QStringLiteral("recordControl"));
    // As wide as what it shows: the room left over is the song's line's.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_button->setObjectName(QStringLiteral("recordButton"));
    m_button->setSymbol(QStringLiteral("record"), QStringLiteral("●"));
    m_button->setTintColor(velloRed());
    // Lit red while it records, as a recorder's lamp is.
    m_button->setCheckedColor(velloRed());
    m_button->setCornerRadius(19);
    m_button->setBackgroundColor(QColor::fromRgbF(0.125F, 0.149F, 0.188F, 1.0F));
    m_button->setFixedSize(38, 38);
    // Down while it records, like a tape deck's Record key.
    m_button->setCheckable(true);
    connect(m_button, &QAbstractButton::clicked, this, [this] { m_session.toggleRecording(); });
    m_length->setObjectName(QStringLiteral("recordingLength"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_length, 0, Qt::AlignVCenter);
    layout->addWidget(m_button, 0, Qt::AlignVCenter);
    // Counted from when the recording began, so each tick lands just past a whole second.
    m_tick.setTimerType(Qt::PreciseTimer);
    m_tick.setInterval(std::chrono::seconds(1));
    connect(&m_tick, &QTimer::timeout, this, &RecordControl::showLength);
    m_followed = m_session.subscribe([this](const SessionChanges& changes) {
        if (changes.recording || changes.station) {
            showStatus();
        }
    });
    showStatus();
}

void RecordControl::showStatus()
{
    const RecordingStatus& status = m_session.recording();
    m_button->setChecked(status.recording);
    m_button->setEnabled(status.recording || m_session.currentStation().has_value());
    const QString name = status.recording ? QCoreApplication::translate("RecordControl", "Stop Recording")
                                          : QCoreApplication::translate("RecordControl", "Record");
    m_button->setToolTip(name);
    m_button->setAccessibleName(name);
    if (status.recording && m_showsLength) {
        m_tick.start();
    } else {
        m_tick.stop();
    }
    m_length->setVisible(status.recording && m_showsLength);
    if (status.recording) {
        showLength();
    }
    // The row it stands in makes room for the length, or takes it back.
    layout()->activate();
    updateGeometry();
}

void RecordControl::showLength()
{
    const auto since = m_session.recording().since;
    const auto length = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now() - since);
    //: What the mini player shows while it records: a red dot and for how long ("● 1:23").
    const QString text
        = QCoreApplication::translate("RecordControl", "● %1").arg(QString::fromStdString(recordingLengthText(length)));
    m_length->setText(text);
    // Short enough to show whole: the song's line gives way first.
    m_length->setFixedWidth(m_length->wholeTextWidth());
    m_length->setAccessibleName(QCoreApplication::translate("RecordControl", "Recording for %1")
                                    .arg(QString::fromStdString(recordingLengthText(length))));
}

QWidget* withRecordControl(QWidget* transport, PlaybackSession& session)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(transport);
    layout->addWidget(new RecordControl(session, true));
    return row;
}

} // namespace Vello
