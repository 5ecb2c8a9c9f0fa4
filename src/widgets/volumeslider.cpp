#include "volumeslider.h"

#include "palette.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Vello {

namespace {

constexpr qreal knobRadius = 6;
constexpr qreal trackHeight = 4;

} // namespace

VolumeSlider::VolumeSlider(QWidget* parent)
    : QAbstractSlider(parent)
{
    setOrientation(Qt::Horizontal);
    setRange(0, 100);
    setSingleStep(5);
    setPageStep(10);
    // Like the buttons: a click leaves the keyboard focus where it was, Tab still reaches it.
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void VolumeSlider::setDimmed(bool dimmed)
{
    if (dimmed != m_dimmed) {
        m_dimmed = dimmed;
        update();
    }
}

QSize VolumeSlider::sizeHint() const
{
    return {96, 24};
}

QSize VolumeSlider::minimumSizeHint() const
{
    return {48, 24};
}

int VolumeSlider::valueAt(qreal x) const
{
    // Louder away from the start of the line: to the left in a right-to-left language.
    if (layoutDirection() == Qt::RightToLeft) {
        x = width() - x;
    }
    const qreal span = std::max<qreal>(width() - 2 * knobRadius, 1);
    const qreal fraction = std::clamp((x - knobRadius) / span, 0.0, 1.0);
    return minimum() + static_cast<int>(std::lround(fraction * (maximum() - minimum())));
}

void VolumeSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractSlider::mousePressEvent(event);
        return;
    }
    // Accepted, so a press here never reaches a clickable panel underneath.
    event->accept();
    setSliderDown(true);
    setSliderPosition(valueAt(event->position().x()));
}

void VolumeSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (isSliderDown()) {
        event->accept();
        setSliderPosition(valueAt(event->position().x()));
    }
}

void VolumeSlider::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (isSliderDown()) {
        setSliderDown(false);
    }
}

void VolumeSlider::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const qreal span = std::max<qreal>(width() - 2 * knobRadius, 0);
    const qreal range = std::max(maximum() - minimum(), 1);
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    const qreal reach = span * (sliderPosition() - minimum()) / range;
    const qreal knobX = mirrored ? width() - knobRadius - reach : knobRadius + reach;
    const qreal middle = height() / 2.0;
    const QRectF track(knobRadius, middle - trackHeight / 2, span, trackHeight);

    painter.setBrush(QColor::fromRgbF(1.0F, 1.0F, 1.0F, 0.14F));
    painter.drawRoundedRect(track, trackHeight / 2, trackHeight / 2);
    QRectF filled = track;
    if (mirrored) {
        filled.setLeft(knobX);
    } else {
        filled.setRight(knobX);
    }
    painter.setBrush(m_dimmed ? velloMuted() : velloGreen());
    painter.drawRoundedRect(filled, trackHeight / 2, trackHeight / 2);

    if (hasFocus()) {
        QColor ring = velloGreen();
        ring.setAlphaF(0.8F);
        painter.setPen(QPen(ring, 1.5));
    }
    painter.setBrush(m_dimmed ? velloMuted() : QColor(Qt::white));
    painter.drawEllipse(QPointF(knobX, middle), knobRadius - 0.5, knobRadius - 0.5);
}

} // namespace Vello
