#include "vellobutton.h"

#include "focusring.h"
#include "palette.h"
#include "resources.h"
#include "textdirection.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace Vello {

namespace {

struct Look {
    int fontSize = 0;
    qreal cornerRadius = 0;
    QColor tint;
    QColor background;
};

Look lookFor(VelloButton::Style style)
{
    switch (style) {
    case VelloButton::Style::Primary:
        return {13, 15, QColor::fromRgbF(0.027F, 0.063F, 0.031F, 1.0F), velloGreen()};
    case VelloButton::Style::Secondary:
        return {13, 15, Qt::white, QColor::fromRgbF(0.125F, 0.157F, 0.216F, 1.0F)};
    case VelloButton::Style::Icon:
        return {13, 18, Qt::white, QColor::fromRgbF(0.125F, 0.149F, 0.188F, 1.0F)};
    case VelloButton::Style::Sidebar:
        return {14, 11, Qt::white, QColor::fromRgbF(0.086F, 0.102F, 0.122F, 1.0F)};
    }
    return {13, 15, Qt::white, velloPanel()};
}

QColor withAlpha(QColor color, float alpha)
{
    color.setAlphaF(alpha);
    return color;
}

constexpr int symbolSide = 16;
constexpr int sidebarTextInset = 10;
constexpr int captionTextInset = 8;

} // namespace

VelloButton::VelloButton(const QString& title, Style style, QWidget* parent)
    : QAbstractButton(parent)
    , m_style(style)
{
    const Look look = lookFor(style);
    m_cornerRadius = look.cornerRadius;
    m_tint = look.tint;
    m_background = look.background;
    setText(title);
    QFont titleFont = font();
    titleFont.setPixelSize(look.fontSize);
    titleFont.setBold(true);
    setFont(titleFont);
    // A click must not pull the keyboard focus out of the search field; Tab still reaches it.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize VelloButton::sizeHint() const
{
    const int textWidth = fontMetrics().horizontalAdvance(text());
    switch (m_style) {
    case Style::Primary:
    case Style::Secondary:
        return {std::max(textWidth + 24, 88), 34};
    case Style::Icon:
        return {38, 38};
    case Style::Sidebar:
        return {std::max(textWidth + 20, 120), 38};
    }
    return {88, 34};
}

QSize VelloButton::minimumSizeHint() const
{
    return sizeHint();
}

void VelloButton::setCornerRadius(qreal radius)
{
    m_cornerRadius = radius;
    update();
}

void VelloButton::setBackgroundColor(const QColor& color)
{
    m_background = color;
    update();
}

void VelloButton::setTintColor(const QColor& color)
{
    m_tint = color;
    update();
}

void VelloButton::setCheckedColor(const QColor& color)
{
    m_checkedFill = color;
    update();
}

bool VelloButton::setSymbol(const QString& name, const QString& fallbackTitle)
{
    if (hasSymbol(name)) {
        m_symbol = name;
        update();
        return true;
    }
    m_symbol.clear();
    setText(fallbackTitle);
    updateGeometry();
    return false;
}

Qt::Alignment VelloButton::titleAlignment() const
{
    return m_style == Style::Sidebar ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
}

void VelloButton::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
    updateResting();
}

void VelloButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
    updateResting();
}

void VelloButton::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    updateResting();
}

void VelloButton::focusOutEvent(QFocusEvent* event)
{
    QAbstractButton::focusOutEvent(event);
    updateResting();
}

void VelloButton::hideEvent(QHideEvent* event)
{
    // A list rebuilt under the pointer hides its rows and deletes them later: no leave comes.
    m_hovered = false;
    QAbstractButton::hideEvent(event);
    updateResting();
}

void VelloButton::updateResting()
{
    const bool resting = m_hovered || hasFocus();
    if (resting != m_resting) {
        m_resting = resting;
        Q_EMIT restingChanged(resting);
    }
}

void VelloButton::nextCheckState()
{
    // The owner sets the state the click asked for, once it holds.
}

void VelloButton::keyPressEvent(QKeyEvent* event)
{
    if (isActivationKey(*event)) {
        event->accept();
        click();
        return;
    }
    // Up and Down belong to what holds the button: a list walks its rows, the content scrolls.
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->ignore();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void VelloButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }

    // Chosen, a round transport key lights up in the accent, as the primary button is drawn; a
    // caption takes the look of the sidebar's current screen.
    QColor fill = m_background;
    QColor tint = m_tint;
    QColor border = Qt::transparent;
    if (isChecked() && m_style == Style::Icon) {
        fill = m_checkedFill.isValid() ? m_checkedFill : velloGreen();
        tint = lookFor(Style::Primary).tint;
    } else if (isChecked()) {
        fill = withAlpha(velloGreen(), 0.15F);
        border = withAlpha(velloGreen(), 0.3F);
        tint = Qt::white;
    }
    if (isDown()) {
        fill = fill.darker(118);
    } else if (m_hovered && isEnabled()) {
        fill = fill.lighter(fill.lightness() < 60 ? 150 : 110);
    }
    const QRectF bounds(rect());
    const qreal radius = std::min({m_cornerRadius, bounds.width() / 2, bounds.height() / 2});
    painter.setPen(border.alpha() > 0 ? QPen(border, 1) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawRoundedRect(border.alpha() > 0 ? bounds.adjusted(0.5, 0.5, -0.5, -0.5) : bounds, radius, radius);

    if (hasFocus()) {
        paintFocusRing(painter, bounds, radius);
    }

    if (!m_symbol.isEmpty()) {
        const QPixmap symbol = symbolPixmap(m_symbol, QSize(symbolSide, symbolSide), tint, devicePixelRatioF());
        const QPointF topLeft((width() - symbolSide) / 2.0, (height() - symbolSide) / 2.0);
        painter.drawPixmap(topLeft, symbol);
        return;
    }

    const int inset = m_style == Style::Sidebar ? sidebarTextInset : captionTextInset;
    const QRect textRect = rect().adjusted(inset, 0, -inset, 0);
    painter.setFont(font());
    painter.setPen(tint);
    drawTextInItsDirection(
        painter, *this, textRect, titleAlignment(), fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));
}

} // namespace Vello
