#pragma once

#include "catalog/station.h"

#include <QPixmap>
#include <QString>

#include <optional>

class QLabel;
class QWidget;

namespace Vello {

class AspectFillImageView;
class PanelView;

// What the Player screen's panel says about the station current when it is built.
struct PlayerPanelTexts final {
    QString title;
    QString subtitle;
    QString place;
    QString genre;

    friend bool operator==(const PlayerPanelTexts&, const PlayerPanelTexts&) = default;
};

[[nodiscard]] PlayerPanelTexts playerPanelTexts(const std::optional<Station>& current);

// The Home screen's first row: the hero picture beside the 384 × 324 now-playing card. The
// hero and the two rail labels are the window's own and are moved into the new row; `controls`
// is a fresh transport row.
[[nodiscard]] QWidget* makeHeroRow(
    AspectFillImageView* hero, QLabel* railTitle, QLabel* railMeta, const QPixmap& fallback, QWidget* controls);

// The Player screen's 408-high panel: artwork, badges, title, subtitle and a transport row.
[[nodiscard]] PanelView* makePlayerPanel(const PlayerPanelTexts& texts, const QPixmap& fallback, QWidget* controls);

} // namespace Vello
