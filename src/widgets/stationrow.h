#pragma once

#include "catalog/station.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>

namespace Vello {

class ArtworkLoader;
class ElidedLabel;
class VelloButton;

// One station of a list: artwork, name, subtitle, a line of facts, a heart and a play button
// on a rounded panel. Built for one station and never re-bound; a changed favourite shows
// when the owner builds new rows.
class StationRow final : public QWidget {
    Q_OBJECT

public:
    using StationAction = std::function<void(const Station&)>;

    StationRow(const Station& station, const QPixmap& fallback, bool isFavorite, ArtworkLoader& artwork,
        QWidget* parent = nullptr);

    // Called with the station when the row or its play button is pressed.
    void setOnPlay(StationAction action);
    // Called with the station when the heart is pressed.
    void setOnFavorite(StationAction action);
    // Gives the row a pencil button, before the heart, that calls `action` with the station.
    void setOnEdit(StationAction action);

    [[nodiscard]] const Station& station() const { return m_station; }
    // "country  |  genre  |  MP3 · 128 kbps  |  N votes", with "World" and "Music" standing in for
    // blanks, the stream's part only where the catalog tells it, and "My station" instead of the
    // votes for a station added by hand.
    [[nodiscard]] static QString metaLine(const Station& station);

    // The picture the artwork square shows now: the logo, else the fallback.
    [[nodiscard]] QPixmap artwork() const { return m_artwork; }
    [[nodiscard]] bool showsLogo() const { return m_showsLogo; }
    [[nodiscard]] QRect artworkRect() const;
    [[nodiscard]] const ElidedLabel* nameLabel() const { return m_nameLabel; }
    [[nodiscard]] const ElidedLabel* subtitleLabel() const { return m_subtitleLabel; }
    [[nodiscard]] const ElidedLabel* metaLabel() const { return m_metaLabel; }
    [[nodiscard]] VelloButton* playButton() const { return m_playButton; }
    [[nodiscard]] VelloButton* favoriteButton() const { return m_favoriteButton; }
    // The pencil, once setOnEdit() has made it.
    [[nodiscard]] VelloButton* editButton() const { return m_editButton; }

    [[nodiscard]] QSize sizeHint() const override;

    static constexpr int fixedHeight = 78;
    static constexpr int artworkSide = 56;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showLogo(const QImage& image);

    Station m_station;
    ArtworkLoader& m_loader;
    QPixmap m_artwork;
    bool m_showsLogo = false;
    ElidedLabel* m_nameLabel;
    ElidedLabel* m_subtitleLabel;
    ElidedLabel* m_metaLabel;
    VelloButton* m_favoriteButton;
    VelloButton* m_playButton;
    VelloButton* m_editButton = nullptr;
    StationAction m_onPlay;
    StationAction m_onFavorite;
    StationAction m_onEdit;
};

} // namespace Vello
