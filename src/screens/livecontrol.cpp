#include "livecontrol.h"

#include "sectionbuilders.h"

#include "session/playbacksession.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"
#include "widgets/vellobutton.h"

#include <QHBoxLayout>
#include <QLabel>

#include <chrono>

namespace Vello {

LiveControl::LiveControl(PlaybackSession& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_behind(makeLabel({}, 12, QFont::DemiBold, velloMuted()))
    //: A button in the crowded mini player: as short as the language allows ("Live").
    , m_goLive(new VelloButton(tr("Go Live"), VelloButton::Style::Secondary))
{
    setObjectName(QStringLiteral("liveControl"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_behind->setObjectName(QStringLiteral("behindLive"));
    m_goLive->setObjectName(QStringLiteral("goLive"));
    m_goLive->setAccessibleName(tr("Go Live"));
    m_goLive->setToolTip(tr("Play what the station sends now"));
    connect(m_goLive, &QAbstractButton::clicked, this, [this] { m_session.recorder().goLive(); });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_behind, 0, Qt::AlignVCenter);
    layout->addWidget(m_goLive, 0, Qt::AlignVCenter);
    m_tick.setInterval(std::chrono::seconds(1));
    connect(&m_tick, &QTimer::timeout, this, &LiveControl::showBehind);
    m_followed = m_session.subscribe([this](const SessionChanges& changes) {
        if (changes.timeShift || changes.station || changes.state) {
            showTimeShift();
        }
    });
    showTimeShift();
}

void LiveControl::showTimeShift()
{
    const bool behind = m_session.recorder().timeShift().behind;
    setVisible(behind);
    if (behind) {
        m_tick.start();
        showBehind();
    } else {
        m_tick.stop();
    }
}

void LiveControl::showBehind()
{
    const auto behind = std::chrono::floor<std::chrono::seconds>(m_session.recorder().behindLive());
    const QString length = QString::fromStdString(recordingLengthText(behind));
    //: How far behind live the mini player is, after a pause or a step back: "−2:13".
    const QString text = tr("−%1").arg(length);
    m_behind->setText(text);
    // Short enough to show whole: the song's line gives way first.
    m_behind->setFixedWidth(m_behind->wholeTextWidth());
    m_behind->setAccessibleName(tr("%1 behind live").arg(length));
    // The row it stands in makes room for a longer distance.
    layout()->activate();
    updateGeometry();
}

} // namespace Vello
