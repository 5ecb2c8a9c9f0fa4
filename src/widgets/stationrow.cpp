#include "stationrow.h"

#include "artworkloader.h"
#include "elidedlabel.h"
#include "i18n/translation.h"
#include "palette.h"
#include "textdirection.h"
#include "vellobutton.h"

#include "catalog/stationdetails.h"

#include <QHBoxLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace Vello {

namespace {

constexpr int edgeInset = 12;
constexpr int artworkToText = 14;
constexpr int textToButtons = 14;
constexpr qreal panelRadius = 12;
constexpr qreal artworkRadius = 10;

ElidedLabel* makeLabel(const QString& text, int pixelSize, QFont::Weight weight, const QColor& color, QWidget* parent)
{
    auto* label = new ElidedLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    label->setFont(font);
    label->setTextColor(color);
    return label;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

StationRow::StationRow(
    const Station& station, const QPixmap& fallback, bool isFavorite, ArtworkLoader& artwork, QWidget* parent)
    : QWidget(parent)
    , m_station(station)
    , m_loader(artwork)
    , m_nameLabel(
          makeLabel(stationText(station.limitedDisplayName(), unnamedStationText), 15, QFont::Bold, Qt::white, this))
    , m_subtitleLabel(
          makeLabel(stationText(station.subtitle(), liveStationText), 12, QFont::DemiBold, velloMuted(), this))
    , m_metaLabel(makeLabel(metaLine(station), 11, QFont::Bold, QColor::fromRgbF(0.68F, 0.72F, 0.79F, 1.0F), this))
    , m_favoriteButton(
          new VelloButton(isFavorite ? QStringLiteral("♥") : QStringLiteral("♡"), VelloButton::Style::Icon, this))
    , m_playButton(new VelloButton(QStringLiteral("▶"), VelloButton::Style::Icon, this))
{
    setFixedHeight(fixedHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
    m_artwork = m_loader.thumbnail(fallback, artworkSide, devicePixelRatioF());

    const QString displayName = stationText(station.displayName(), unnamedStationText);
    setAccessibleName(displayName);
    m_favoriteButton->setTintColor(isFavorite ? velloRed() : QColor(Qt::white));
    // The name says what pressing does, so a screen reader tells the state as well.
    m_favoriteButton->setAccessibleName(
        isFavorite ? tr("Remove %1 from favorites").arg(displayName) : tr("Add %1 to favorites").arg(displayName));
    m_favoriteButton->setToolTip(isFavorite ? tr("Remove from Favorites") : tr("Add to Favorites"));
    m_playButton->setAccessibleName(tr("Play %1").arg(displayName));
    m_playButton->setToolTip(tr("Play"));

    // The callbacks may rebuild the list and so delete this row: copy what they need first
    // and touch nothing of the row afterwards.
    connect(m_playButton, &QAbstractButton::clicked, this, [this] {
        const StationAction action = m_onPlay;
        const Station shown = m_station;
        if (action) {
            action(shown);
        }
    });
    connect(m_favoriteButton, &QAbstractButton::clicked, this, [this] {
        const StationAction action = m_onFavorite;
        const Station shown = m_station;
        if (action) {
            action(shown);
        }
    });

    // A stack centred in the row: the stretches above and below take the spare height, which
    // the layout would otherwise spread between the lines.
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->addStretch(1);
    texts->addWidget(m_nameLabel);
    texts->addWidget(m_subtitleLabel);
    texts->addWidget(m_metaLabel);
    texts->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(marginsInDirection(*this, {edgeInset + artworkSide + artworkToText, 0, edgeInset, 0}));
    layout->setSpacing(0);
    layout->addLayout(texts, 1);
    layout->addSpacing(textToButtons);
    layout->addWidget(m_favoriteButton, 0, Qt::AlignVCenter);
    layout->addSpacing(8);
    layout->addWidget(m_playButton, 0, Qt::AlignVCenter);

    if (const auto favicon = station.favicon()) {
        if (auto cached
            = m_loader.request(std::string(*favicon), this, [this](const QImage& image) { showLogo(image); })) {
            showLogo(*cached);
        }
    }
}

void StationRow::setOnPlay(StationAction action)
{
    m_onPlay = std::move(action);
}

void StationRow::setOnFavorite(StationAction action)
{
    m_onFavorite = std::move(action);
}

void StationRow::setOnEdit(StationAction action)
{
    if (m_editButton == nullptr) {
        m_editButton = new VelloButton(QString(), VelloButton::Style::Icon, this);
        m_editButton->setSymbol(QStringLiteral("pencil"), QStringLiteral("✎"));
        m_editButton->setAccessibleName(tr("Edit %1").arg(accessibleName()));
        m_editButton->setToolTip(tr("Edit Station"));
        auto* buttons = qobject_cast<QHBoxLayout*>(layout());
        buttons->insertWidget(buttons->indexOf(m_favoriteButton), m_editButton, 0, Qt::AlignVCenter);
        buttons->insertSpacing(buttons->indexOf(m_favoriteButton), 8);
        // Focus moves through the row's buttons in the order they show.
        setTabOrder(m_editButton, m_favoriteButton);
        setTabOrder(m_favoriteButton, m_playButton);
        connect(m_editButton, &QAbstractButton::clicked, this, [this] {
            const StationAction edit = m_onEdit;
            const Station shown = m_station;
            if (edit) {
                edit(shown);
            }
        });
    }
    m_onEdit = std::move(action);
}

QString StationRow::metaLine(const Station& station)
{
    const std::string_view country = station.country().value_or(std::string_view());
    const std::string tag = station.primaryTag();
    const QString genre = tag.empty() ? tr("Music") : isolated(fromUtf8(tag));
    // Counts past what an int holds read as the most an int holds.
    const auto count = static_cast<int>(std::clamp<std::int64_t>(
        station.votes().value_or(0), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    QString votes = tr("%Ln votes", nullptr, count);
    // Qt fills in counts of zero and more only; a catalog has negative ones too.
    votes.replace(QStringLiteral("%Ln"), QLocale().toString(count));
    // A station added by hand has no votes: the line says whose it is instead.
    if (station.id().starts_with(ownStationIdPrefix)) {
        votes = tr("My station");
    }
    QStringList parts {country.empty() ? tr("World") : isolated(fromUtf8(country)), genre};
    if (const Text details = streamDetails(station); !details.empty()) {
        parts += isolated(translated(details));
    }
    parts += votes;
    return parts.join(QStringLiteral("  |  "));
}

QRect StationRow::artworkRect() const
{
    return QStyle::visualRect(
        layoutDirection(), rect(), {edgeInset, (height() - artworkSide) / 2, artworkSide, artworkSide});
}

QSize StationRow::sizeHint() const
{
    return {QWidget::sizeHint().width(), fixedHeight};
}

void StationRow::showLogo(const QImage& image)
{
    m_artwork = QPixmap::fromImage(image);
    m_showsLogo = true;
    update(artworkRect());
}

void StationRow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    QColor fill = velloPanel();
    if (underMouse()) {
        fill = fill.lighter(125);
    }
    painter.setPen(QPen(velloBorder(), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), panelRadius, panelRadius);

    if (m_artwork.isNull()) {
        return;
    }
    const QRectF square(artworkRect());
    const QSizeF drawn = m_artwork.deviceIndependentSize().scaled(square.size(), Qt::KeepAspectRatio);
    const QRectF target(square.center() - QPointF(drawn.width() / 2, drawn.height() / 2), drawn);
    QPainterPath clip;
    clip.addRoundedRect(square, artworkRadius, artworkRadius);
    painter.setClipPath(clip);
    painter.drawPixmap(target, m_artwork, QRectF(m_artwork.rect()));
}

void StationRow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    const StationAction action = m_onPlay;
    const Station shown = m_station;
    if (action) {
        action(shown);
    }
}

} // namespace Vello
