#include "playerviews.h"

#include "panel.h"
#include "sectionbuilders.h"

#include "catalog/stationdetails.h"
#include "i18n/translation.h"
#include "playback/streamaddress.h"
#include "widgets/artworkloader.h"
#include "widgets/aspectfillimage.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"
#include "widgets/textdirection.h"
#include "widgets/vellobutton.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <chrono>
#include <utility>

namespace Vello {

namespace {

constexpr int heroHeight = 324;
constexpr int cardWidth = 384;
constexpr int cardArtworkSide = 106;
constexpr int panelHeight = 408;
constexpr int panelArtworkSide = 248;
constexpr std::int64_t panelTitleLimit = 64;
constexpr const char* homepageProperty = "homepageAddress";
constexpr const char* logoProperty = "logoAddress";

AspectFillImage* makeArtwork(const QPixmap& fallback, int side)
{
    auto* artwork = new AspectFillImage;
    artwork->setObjectName(QStringLiteral("stationArtwork"));
    artwork->setImage(fallback);
    artwork->setFixedSize(side, side);
    return artwork;
}

// A logo for a square frame of `side`: whole, as a row shows it, centred on the frame's own fill.
QPixmap framedLogo(const QImage& logo, int side, qreal devicePixelRatio)
{
    QPixmap framed(QSize(side, side) * devicePixelRatio);
    framed.setDevicePixelRatio(devicePixelRatio);
    framed.fill(velloPanel());
    QPainter painter(&framed);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF drawn = QSizeF(logo.size()).scaled(QSizeF(side, side), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(QPointF((side - drawn.width()) / 2, (side - drawn.height()) / 2), drawn), logo);
    return framed;
}

// Shows each line that has something to say, once it has its place in a view.
void revealLines(const NowPlayingLines& lines)
{
    for (QLabel* line : {static_cast<QLabel*>(lines.song.data()), lines.status.data(), lines.details.data()}) {
        if (line != nullptr && line->parentWidget() != nullptr) {
            revealText(line);
        }
    }
}

// `widget` at the start of a row of its own: the right in a right-to-left window, though a
// transport row keeps its buttons left to right and would be put on the left by itself.
QHBoxLayout* atRowStart(QWidget* widget)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(widget);
    row->addStretch(1);
    return row;
}

void setTextColor(QLabel* label, const QColor& color)
{
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, color);
    label->setPalette(colors);
}

} // namespace

void revealText(QLabel* label)
{
    // A line that appears while playing must not push the transport buttons away from under the
    // pointer: an empty line keeps its place.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->setVisible(!label->text().isEmpty());
}

PlayerPanelTexts playerPanelTexts(const std::optional<Station>& current)
{
    if (!current) {
        return {{}, QCoreApplication::translate("PlayerViews", "Start any station from Home or Browse"), {}, {}};
    }
    const std::string tag = current->primaryTag();
    const std::optional<std::string> homepage = homepageAddress(current->homepage());
    const std::optional<Text> checked = lastCheckedWorking(*current, std::chrono::system_clock::now());
    return {
        stationText(current->limitedDisplayName(panelTitleLimit), unnamedStationText),
        stationText(current->subtitle(), liveStationText),
        // The country as the catalog has it, blanks and all: only a missing one reads "World".
        current->country() ? toQString(*current->country()) : QCoreApplication::translate("PlayerViews", "World"),
        tag.empty() ? QCoreApplication::translate("PlayerViews", "Music") : toQString(tag),
        homepage ? toQString(*homepage) : QString(),
        checked ? translated(*checked) : QString(),
    };
}

NowPlayingLines makeNowPlayingLines(int songSize, int statusSize, bool wrapStatus)
{
    NowPlayingLines lines;
    lines.song = makeLabel({}, songSize, QFont::DemiBold, Qt::white);
    lines.song->setObjectName(QStringLiteral("songTitle"));
    if (wrapStatus) {
        lines.status = new QLabel;
        // What the player says can quote the station: never let it be read as markup.
        lines.status->setTextFormat(Qt::PlainText);
        lines.status->setWordWrap(true);
        lines.status->setFont(pixelFont(statusSize, QFont::DemiBold));
        lines.status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else {
        lines.status = makeLabel({}, statusSize, QFont::DemiBold, velloMuted());
    }
    lines.status->setObjectName(QStringLiteral("playbackStatus"));
    // An empty line keeps a line's height (revealText).
    for (QLabel* line : {static_cast<QLabel*>(lines.song.data()), lines.status.data()}) {
        line->setMinimumHeight(line->fontMetrics().height());
    }
    return lines;
}

void showNowPlayingLines(const NowPlayingLines& lines, const NowPlaying& nowPlaying)
{
    if (lines.song) {
        lines.song->setText(toQString(nowPlaying.songTitle));
    }
    if (lines.status) {
        const QString status = translated(nowPlaying.status);
        lines.status->setText(status);
        // Escaped: a tooltip would read markup in the text as rich text.
        lines.status->setToolTip(status.isEmpty() ? QString() : Qt::convertFromPlainText(status));
        setTextColor(lines.status, nowPlaying.phase == PlaybackPhase::Failed ? velloRed() : velloMuted());
    }
    if (lines.details) {
        lines.details->setText(translated(nowPlaying.streamDetails));
    }
    revealLines(lines);
}

QVBoxLayout* makeMiniPlayerTexts(QLabel* title, const NowPlayingLines& lines)
{
    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(2);
    texts->addStretch(1);
    texts->addWidget(title);
    texts->addWidget(lines.song);
    texts->addWidget(lines.status);
    texts->addStretch(1);
    return texts;
}

QWidget* makeHeroRow(AspectFillImage* hero, QLabel* railTitle, QLabel* railMeta, const NowPlayingLines& lines,
    const QPixmap& fallback, QWidget* controls)
{
    auto* card = new Panel(16, velloPanel(), velloBorder());
    card->setObjectName(QStringLiteral("nowPlayingCard"));
    card->setFixedSize(cardWidth, heroHeight);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->addWidget(
        makeLabel(QCoreApplication::translate("PlayerViews", "Now Playing"), 12, QFont::Bold, velloMuted()), 0,
        Qt::AlignVCenter);
    header->addStretch(1);

    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(12);
    texts->addWidget(railTitle);
    texts->addWidget(lines.song);
    texts->addWidget(railMeta);
    texts->addWidget(lines.status);
    texts->addLayout(atRowStart(controls));

    auto* media = new QHBoxLayout;
    media->setContentsMargins(0, 0, 0, 0);
    media->setSpacing(14);
    media->addWidget(makeArtwork(fallback, cardArtworkSide), 0, Qt::AlignTop);
    media->addLayout(texts, 1);

    auto* body = new QVBoxLayout(card);
    body->setContentsMargins(18, 18, 18, 18);
    body->setSpacing(18);
    body->addLayout(header);
    body->addLayout(media);
    body->addStretch(1);

    hero->setFixedHeight(heroHeight);
    hero->setMinimumWidth(0);
    hero->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("heroRow"));
    row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(hero, 1, Qt::AlignTop);
    layout->addWidget(card, 0, Qt::AlignTop);
    hero->show();
    revealText(railTitle);
    revealText(railMeta);
    revealLines(lines);
    return row;
}

Panel* makePlayerPanel(
    const PlayerPanelTexts& texts, NowPlayingLines& lines, const QPixmap& fallback, QWidget* controls, QWidget* volume)
{
    auto* panel = new Panel(18, QColor::fromRgbF(0.067F, 0.09F, 0.133F, 1.0F), Qt::transparent);
    panel->setObjectName(QStringLiteral("playerPanel"));
    panel->setFixedHeight(panelHeight);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto* badges = new QHBoxLayout;
    badges->setContentsMargins(0, 0, 0, 0);
    badges->setSpacing(8);
    auto* place = makeBadge({}, QColor::fromRgbF(0.25F, 0.4F, 0.96F, 1.0F));
    place->setObjectName(QStringLiteral("playerPlace"));
    auto* genre = makeBadge({}, velloGreen());
    genre->setObjectName(QStringLiteral("playerGenre"));
    lines.details = makeLabel({}, 12, QFont::DemiBold, velloMuted());
    lines.details->setObjectName(QStringLiteral("streamDetails"));
    badges->addWidget(place);
    badges->addWidget(genre);
    badges->addSpacing(6);
    badges->addWidget(lines.details);
    badges->addStretch(1);

    auto* title = makeLabel({}, 31, QFont::Bold, Qt::white);
    title->setObjectName(QStringLiteral("playerTitle"));
    auto* subtitle = makeLabel({}, 15, QFont::DemiBold, velloMuted());
    subtitle->setObjectName(QStringLiteral("playerSubtitle"));
    auto* checked = makeLabel({}, 12, QFont::DemiBold, velloMuted());
    checked->setObjectName(QStringLiteral("playerChecked"));

    auto* info = new QVBoxLayout;
    info->setContentsMargins(0, 0, 0, 0);
    info->setSpacing(16);
    info->addStretch(1);
    info->addLayout(badges);
    info->addWidget(title);
    info->addWidget(lines.song);
    info->addWidget(subtitle);
    info->addWidget(checked);
    info->addWidget(lines.status);
    // The transport on a row of its own, the volume and the link under it: side by side they
    // would not fit beside the artwork at the window's narrowest in every language.
    info->addLayout(atRowStart(controls));
    auto* controlRow = new QHBoxLayout;
    controlRow->setContentsMargins(0, 0, 0, 0);
    controlRow->setSpacing(18);
    controlRow->addWidget(volume, 0, Qt::AlignVCenter);
    auto* homepage
        = new VelloButton(QCoreApplication::translate("PlayerViews", "Homepage"), VelloButton::Style::Secondary);
    homepage->setObjectName(QStringLiteral("playerHomepage"));
    homepage->setAccessibleName(QCoreApplication::translate("PlayerViews", "Open the station's homepage"));
    QObject::connect(homepage, &QAbstractButton::clicked, homepage, [homepage] {
        QDesktopServices::openUrl(QUrl(homepage->property(homepageProperty).toString(), QUrl::StrictMode));
    });
    controlRow->addWidget(homepage, 0, Qt::AlignVCenter);
    controlRow->addStretch(1);
    info->addLayout(controlRow);
    info->addStretch(1);

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(marginsInDirection(*panel, {28, 0, 34, 0}));
    layout->setSpacing(34);
    layout->addWidget(makeArtwork(fallback, panelArtworkSide), 0, Qt::AlignVCenter);
    layout->addLayout(info, 1);
    showPlayerPanelTexts(*panel, texts);
    revealLines(lines);
    return panel;
}

void showPlayerPanelTexts(QWidget& panel, const PlayerPanelTexts& texts)
{
    for (const auto& [name, text] : {std::pair {QStringLiteral("playerTitle"), texts.title},
             std::pair {QStringLiteral("playerSubtitle"), texts.subtitle},
             std::pair {QStringLiteral("playerChecked"), texts.checked}}) {
        auto* label = panel.findChild<QLabel*>(name);
        label->setText(text);
        revealText(label);
    }
    // Every station has a genre, if only "Music": without one there is no station, and no badges.
    for (const auto& [name, text] : {std::pair {QStringLiteral("playerPlace"), texts.place},
             std::pair {QStringLiteral("playerGenre"), texts.genre}}) {
        auto* badge = panel.findChild<QWidget*>(name);
        setBadgeTitle(*badge, text);
        badge->setVisible(!texts.genre.isEmpty());
    }
    auto* homepage = panel.findChild<QAbstractButton*>(QStringLiteral("playerHomepage"));
    homepage->setProperty(homepageProperty, texts.homepage);
    // The address is plain ASCII without markup characters (streamaddress.h), safe as a tooltip.
    homepage->setToolTip(texts.homepage);
    homepage->setVisible(!texts.homepage.isEmpty());
}

void showStationArtwork(
    QWidget& view, const std::optional<Station>& station, ArtworkLoader& loader, const QPixmap& fallback)
{
    auto* artwork = view.findChild<AspectFillImage*>(QStringLiteral("stationArtwork"));
    const std::optional<std::string_view> favicon = station ? station->favicon() : std::nullopt;
    const QString address = favicon ? toQString(*favicon) : QString();
    // The views follow every change of the player's state; the picture changes with the logo only.
    if (artwork == nullptr || artwork->property(logoProperty) == QVariant(address)) {
        return;
    }
    artwork->setProperty(logoProperty, address);
    artwork->setImage(fallback);
    if (address.isEmpty()) {
        return;
    }
    const auto show = [artwork, address](const QImage& logo) {
        // A logo that arrives after the station changed is not this station's.
        if (artwork->property(logoProperty) == QVariant(address)) {
            artwork->setImage(framedLogo(logo, artwork->width(), artwork->devicePixelRatioF()));
        }
    };
    if (const std::optional<QImage> cached = loader.request(address.toStdString(), artwork, show)) {
        show(*cached);
    }
}

} // namespace Vello
