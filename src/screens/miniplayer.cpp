#include "miniplayer.h"

#include "livecontrol.h"
#include "outputpicker.h"
#include "recordcontrol.h"
#include "sectionbuilders.h"
#include "transportcontrols.h"

#include "browser/browsercontroller.h"
#include "i18n/translation.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"
#include "widgets/volumecontrol.h"

#include <QCoreApplication>
#include <QHBoxLayout>

namespace Vello {

MiniPlayer::MiniPlayer(BrowserController& browser, PlaybackSession& session, QWidget* parent)
    : Panel(14, QColor::fromRgbF(0.052F, 0.064F, 0.078F, 0.98F), velloBorder(), parent)
    , m_title(makeLabel({}, 15, QFont::Bold, Qt::white))
    , m_sleepTimer(makeLabel({}, 12, QFont::DemiBold, velloMuted()))
{
    setObjectName(QStringLiteral("miniPlayer"));
    // A button to assistive tools: the action comes before anything that asks how it reads.
    setOnClick([&browser] { browser.openPlayer(); });
    setAccessibleName(QCoreApplication::translate("PlayerViews", "Now Playing"));
    m_title->setObjectName(QStringLiteral("miniTitle"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 0, 18, 0);
    layout->setSpacing(0);
    m_lines = makeNowPlayingLines(13, 12, false);
    layout->addLayout(makeMiniPlayerTexts(m_title, m_lines), 1);
    m_sleepTimer->setObjectName(QStringLiteral("sleepTimer"));
    m_sleepTimer->hide();
    layout->addSpacing(12);
    layout->addWidget(m_sleepTimer, 0, Qt::AlignVCenter);
    layout->addSpacing(6);
    m_volume = makeVolumeControl(session);
    layout->addWidget(withOutputPicker(session, m_volume), 0, Qt::AlignVCenter);
    layout->addSpacing(12);
    m_live = new LiveControl(session);
    layout->addWidget(m_live, 0, Qt::AlignVCenter);
    layout->addSpacing(12);
    m_record = new RecordControl(session, true);
    layout->addWidget(m_record, 0, Qt::AlignVCenter);
    layout->addSpacing(18);
    m_transport = new TransportControls(session);
    layout->addWidget(m_transport, 0, Qt::AlignVCenter);
    showNowPlayingLines(m_lines, NowPlaying {});
    hide();
}

void MiniPlayer::showNowPlaying(const NowPlaying& nowPlaying)
{
    m_title->setText(translated(nowPlaying.title));
    showNowPlayingLines(m_lines, nowPlaying);
    m_volume->showVolume(nowPlaying.volume, nowPlaying.muted);
    m_transport->showPhase(nowPlaying.phase);
    const QString sleep = translated(nowPlaying.sleepLabel);
    m_sleepTimer->setText(sleep);
    // Short enough to show whole: the song's line gives way first.
    m_sleepTimer->setMinimumWidth(m_sleepTimer->wholeTextWidth());
    m_sleepTimer->setVisible(!sleep.isEmpty());
    setVisible(nowPlaying.miniPlayerVisible);
}

} // namespace Vello
