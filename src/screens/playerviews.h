#pragma once

#include "catalog/station.h"
#include "session/nowplaying.h"
#include "widgets/elidedlabel.h"

#include <QPixmap>
#include <QPointer>
#include <QString>

#include <optional>

class QLabel;
class QVBoxLayout;
class QWidget;

namespace Vello {

class ArtworkLoader;
class AspectFillImage;
class Panel;

// What the Player screen's panel says about the station current when it is built.
struct PlayerPanelTexts final {
    QString title;
    QString subtitle;
    QString place;
    QString genre;
    // Where the "Homepage" link goes, or empty text when the station has no web page to offer.
    QString homepage {};
    // When the directory last found the stream working ("Checked working 2 days ago"), or empty
    // text when it does not say.
    QString checked {};

    friend bool operator==(const PlayerPanelTexts&, const PlayerPanelTexts&) = default;
};

[[nodiscard]] PlayerPanelTexts playerPanelTexts(const std::optional<Station>& current);

// Shows a placed label only when it has something to say, keeping its place either way: an
// empty one would reach assistive tools as a label without a name.
void revealText(QLabel* label);

// The two lines under a station's name: the song on the air and how playback goes ("Connecting…",
// a failure). The builders below place them; they are dropped with the view they are placed in.
// Only the Player panel adds a third, beside its badges: what the stream is ("MP3 · 128 kbps").
struct NowPlayingLines final {
    QPointer<ElidedLabel> song;
    QPointer<QLabel> status;
    QPointer<QLabel> details;
};

// New lines, in bold text of the given pixel sizes. Where there is height to spare the status
// wraps, so a failure is read whole; otherwise it is cut and whole in its tooltip.
[[nodiscard]] NowPlayingLines makeNowPlayingLines(int songSize, int statusSize, bool wrapStatus);
// Sets the lines' texts, as plain text, and hides each placed line that has nothing to say; a
// failure reads in red.
void showNowPlayingLines(const NowPlayingLines& lines, const NowPlaying& nowPlaying);
// The mini player's text column: the station's name with the two lines under it.
[[nodiscard]] QVBoxLayout* makeMiniPlayerTexts(QLabel* title, const NowPlayingLines& lines);

// The Home screen's first row: the hero picture beside the 384 × 324 now-playing card. The
// hero and the two rail labels are the window's own and are moved into the new row; `lines`
// are new and go under the rail's title; `controls` is a fresh transport row.
[[nodiscard]] QWidget* makeHeroRow(AspectFillImage* hero, QLabel* railTitle, QLabel* railMeta,
    const NowPlayingLines& lines, const QPixmap& fallback, QWidget* controls);

// The Player screen's 408-high panel: artwork, badges with what the stream is beside them, title,
// the song, subtitle, the status, a transport row, and under it the volume control with the
// station's "Homepage" link (opened through QDesktopServices). The stream's line is made here,
// into `lines`.
[[nodiscard]] Panel* makePlayerPanel(
    const PlayerPanelTexts& texts, NowPlayingLines& lines, const QPixmap& fallback, QWidget* controls, QWidget* volume);
// Names another station in a panel made by makePlayerPanel.
void showPlayerPanelTexts(QWidget& panel, const PlayerPanelTexts& texts);

// The station's picture in the artwork of a card or panel made above (the child named
// "stationArtwork"): its logo through `loader`, whole on the frame's own fill, or `fallback`
// while it has none. Asks once for each logo, however often it is called.
void showStationArtwork(
    QWidget& view, const std::optional<Station>& station, ArtworkLoader& loader, const QPixmap& fallback);

} // namespace Vello
