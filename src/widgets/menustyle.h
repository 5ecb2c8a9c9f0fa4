#pragma once

#include <QProxyStyle>

class QMenu;

namespace Vello {

// Qt's own style for a menu in the dark palette, with separators that show: the style draws them
// in a faint dark shade of its own, which a dark menu swallows.
class MenuStyle final : public QProxyStyle {
    Q_OBJECT

public:
    MenuStyle() = default;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
};

// Gives `menu` the dark palette and a MenuStyle of its own.
void useDarkMenuLook(QMenu& menu);

} // namespace Vello
