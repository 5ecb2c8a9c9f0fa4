#include "songrow.h"

#include "sectionbuilders.h"
#include "stationlist.h"

#include "i18n/translation.h"
#include "session/playbacksession.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"
#include "widgets/textdirection.h"
#include "widgets/vellobutton.h"

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace Vello {

namespace {

constexpr int edgeInset = 18;
constexpr qreal panelRadius = 12;

} // namespace

SongRow::SongRow(const SongHistory::Entry& song, QWidget* parent)
    : QWidget(parent)
    , m_title(toQString(song.title))
    , m_titleLabel(makeLabel(m_title, 15, QFont::Bold, Qt::white, this))
    , m_stationLabel(makeLabel(toQString(song.stationName), 12, QFont::DemiBold, velloMuted(), this))
    , m_timeLabel(new QLabel(timeOfDay(song.heard), this))
    , m_copyButton(new VelloButton(tr("Copy"), VelloButton::Style::Secondary, this))
    , m_searchButton(new VelloButton(tr("Search the web"), VelloButton::Style::Secondary, this))
{
    setFixedHeight(StationList::rowHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(m_title);

    m_timeLabel->setFont(pixelFont(13, QFont::DemiBold));
    QPalette colors = m_timeLabel->palette();
    colors.setColor(QPalette::WindowText, velloMuted());
    m_timeLabel->setPalette(colors);
    m_timeLabel->setAccessibleName(tr("Heard at %1").arg(m_timeLabel->text()));

    m_copyButton->setAccessibleName(tr("Copy %1").arg(m_title));
    m_copyButton->setToolTip(tr("Copy the title"));
    m_copyButton->setFixedHeight(34);
    m_searchButton->setAccessibleName(tr("Search the web for %1").arg(m_title));
    m_searchButton->setToolTip(tr("Search the web for the title"));
    m_searchButton->setFixedHeight(34);
    connect(m_copyButton, &QAbstractButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(m_title); });
    connect(
        m_searchButton, &QAbstractButton::clicked, this, [this] { QDesktopServices::openUrl(webSearchUrl(m_title)); });

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->addStretch(1);
    texts->addWidget(m_titleLabel);
    texts->addWidget(m_stationLabel);
    texts->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(marginsInDirection(*this, {edgeInset, 0, 12, 0}));
    layout->setSpacing(0);
    layout->addLayout(texts, 1);
    layout->addSpacing(14);
    layout->addWidget(m_timeLabel, 0, Qt::AlignVCenter);
    layout->addSpacing(14);
    layout->addWidget(m_copyButton, 0, Qt::AlignVCenter);
    layout->addSpacing(8);
    layout->addWidget(m_searchButton, 0, Qt::AlignVCenter);
}

void SongRow::offerSave(PlaybackSession& session, std::uint64_t songId)
{
    m_saveButton = new VelloButton(tr("Save Song"), VelloButton::Style::Secondary, this);
    m_saveButton->setObjectName(QStringLiteral("saveSong"));
    m_saveButton->setAccessibleName(tr("Save %1").arg(m_title));
    m_saveButton->setToolTip(tr("Save this song from what is kept, as the station sent it"));
    m_saveButton->setFixedHeight(34);
    auto* row = static_cast<QHBoxLayout*>(layout());
    row->insertSpacing(row->indexOf(m_copyButton), 8);
    row->insertWidget(row->indexOf(m_copyButton) - 1, m_saveButton, 0, Qt::AlignVCenter);
    const auto showSaving = [this] {
        // A song still playing is written once it ends.
        m_saveButton->setEnabled(false);
        m_saveButton->setText(tr("Saving…"));
    };
    connect(m_saveButton, &QAbstractButton::clicked, this, [showSaving, &session, songId] {
        showSaving();
        session.recorder().saveSong(songId);
    });
    // A row built again (the list changed) shows what became of its song.
    if (session.recorder().isSaving(songId)) {
        showSaving();
    } else if (session.recorder().wasSaved(songId)) {
        m_saveButton->setEnabled(false);
        m_saveButton->setText(tr("Saved"));
    }
    m_followed = session.subscribe([this, &session, songId](const SessionChanges& changes) {
        const SaveNotice& notice = session.recorder().saveNotice();
        if (!changes.songSaved || notice.songId != songId || m_saveButton->isEnabled()) {
            return;
        }
        // Saved, it stays done; not saved, it may be tried again while kept.
        m_saveButton->setText(notice.saved ? tr("Saved") : tr("Save Song"));
        m_saveButton->setEnabled(!notice.saved);
        m_saveButton->setToolTip(translated(notice.text));
    });
}

QString SongRow::timeOfDay(std::chrono::system_clock::time_point heard)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(heard.time_since_epoch()).count();
    // The locale's own clock (24 or 12 hours, its digits), to the minute.
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[^\\w']?s+")));
    return locale.toString(QDateTime::fromSecsSinceEpoch(seconds).toLocalTime().time(), format);
}

QUrl SongRow::webSearchUrl(const QString& title)
{
    return QUrl::fromEncoded(QByteArrayLiteral("https://duckduckgo.com/?q=") + QUrl::toPercentEncoding(title));
}

QSize SongRow::sizeHint() const
{
    return {QWidget::sizeHint().width(), StationList::rowHeight};
}

void SongRow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(velloBorder(), 1));
    painter.setBrush(velloPanel());
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), panelRadius, panelRadius);
}

bool confirmClearSongs(QWidget* parent)
{
    return confirmDestructive(
        parent, SongRow::tr("Clear Songs"), SongRow::tr("Clear the list of songs heard?"), SongRow::tr("Clear"));
}

} // namespace Vello
