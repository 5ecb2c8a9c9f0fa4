#include "sidebarnavbutton.h"

#include "focusring.h"
#include "palette.h"
#include "resources.h"
#include "textdirection.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace Vello {

namespace {

constexpr int inset = 12;
constexpr int symbolSide = 18;
constexpr int symbolToTitle = 11;
constexpr qreal cornerRadius = 12;

QColor withAlpha(QColor color, float alpha)
{
    color.setAlphaF(alpha);
    return color;
}

} // namespace

SidebarNavButton::SidebarNavButton(const QString& title, const QString& symbol, bool active, QWidget* parent)
    : QAbstractButton(parent)
    , m_title(title)
    , m_symbol(symbol)
    , m_active(active)
{
    setAccessibleName(title);
    setFixedHeight(fixedHeight);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

bool SidebarNavButton::showsSymbol() const
{
    return hasSymbol(m_symbol);
}

QColor SidebarNavButton::tintColor() const
{
    return m_active ? QColor(Qt::white) : QColor::fromRgbF(0.68F, 0.72F, 0.78F, 1.0F);
}

QColor SidebarNavButton::backgroundColor() const
{
    return m_active ? withAlpha(velloGreen(), 0.15F) : QColor(Qt::transparent);
}

QColor SidebarNavButton::borderColor() const
{
    return m_active ? withAlpha(velloGreen(), 0.3F) : QColor(Qt::transparent);
}

QRect SidebarNavButton::symbolRect() const
{
    return QStyle::visualRect(layoutDirection(), rect(), {inset, (height() - symbolSide) / 2, symbolSide, symbolSide});
}

QRect SidebarNavButton::titleRect() const
{
    const int left = inset + symbolSide + symbolToTitle;
    return QStyle::visualRect(layoutDirection(), rect(), {left, 0, std::max(0, width() - inset - left), height()});
}

QFont SidebarNavButton::titleFont() const
{
    QFont titleFont = font();
    titleFont.setPixelSize(14);
    titleFont.setWeight(m_active ? QFont::Bold : QFont::DemiBold);
    return titleFont;
}

QString SidebarNavButton::displayedTitle() const
{
    return QFontMetrics(titleFont()).elidedText(m_title, Qt::ElideRight, titleRect().width());
}

QSize SidebarNavButton::sizeHint() const
{
    return {
        inset + symbolSide + symbolToTitle + QFontMetrics(titleFont()).horizontalAdvance(m_title) + inset, fixedHeight};
}

QSize SidebarNavButton::minimumSizeHint() const
{
    return {inset + symbolSide + symbolToTitle + inset, fixedHeight};
}

void SidebarNavButton::keyPressEvent(QKeyEvent* event)
{
    if (isActivationKey(*event)) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void SidebarNavButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QColor fill = backgroundColor();
    if (!m_active && (isDown() || underMouse())) {
        fill = QColor::fromRgbF(1.0F, 1.0F, 1.0F, isDown() ? 0.07F : 0.04F);
    }
    painter.setBrush(fill);
    if (m_active) {
        painter.setPen(QPen(borderColor(), 1));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    } else {
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    }

    if (hasFocus()) {
        paintFocusRing(painter, QRectF(rect()), cornerRadius);
    }

    const QPixmap symbol = symbolPixmap(m_symbol, QSize(symbolSide, symbolSide), tintColor(), devicePixelRatioF());
    if (!symbol.isNull()) {
        painter.drawPixmap(symbolRect().topLeft(), symbol);
    }

    painter.setFont(titleFont());
    painter.setPen(tintColor());
    drawTextInItsDirection(painter, *this, titleRect(), Qt::AlignLeft | Qt::AlignVCenter, displayedTitle());
}

} // namespace Vello
