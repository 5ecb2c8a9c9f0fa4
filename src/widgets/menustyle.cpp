#include "menustyle.h"

#include "palette.h"

#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace Vello {

void MenuStyle::drawControl(
    ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || item == nullptr || item->menuItemType != QStyleOptionMenuItem::Separator) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QColor line = velloMuted();
    line.setAlphaF(0.35F);
    const int margin = pixelMetric(PM_MenuHMargin, option, widget) + 4;
    const int y = item->rect.center().y();
    painter->save();
    painter->setPen(QPen(line, 1));
    painter->drawLine(item->rect.left() + margin, y, item->rect.right() - margin, y);
    painter->restore();
}

void useDarkMenuLook(QMenu& menu)
{
    menu.setPalette(velloDarkPalette(menu.palette()));
    auto* style = new MenuStyle;
    style->setParent(&menu);
    menu.setStyle(style);
}

} // namespace Vello
