#include "arcspinner.h"

#include "palette.h"

#include <QPainter>

namespace Vello {

namespace {

constexpr int frameInterval = 33;
constexpr int degreesPerFrame = 12;

} // namespace

ArcSpinner::ArcSpinner(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(diameter, diameter);
    m_timer.setInterval(frameInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + degreesPerFrame) % 360;
        update();
    });
}

void ArcSpinner::start()
{
    m_timer.start();
}

void ArcSpinner::stop()
{
    m_timer.stop();
}

QSize ArcSpinner::sizeHint() const
{
    return {diameter, diameter};
}

void ArcSpinner::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QColor track = velloMuted();
    track.setAlphaF(0.2F);
    painter.setPen(QPen(track, 2));
    painter.drawEllipse(ring);
    painter.setPen(QPen(velloMuted(), 2, Qt::SolidLine, Qt::RoundCap));
    // Qt counts angles in sixteenths of a degree, anticlockwise; the arc turns clockwise.
    painter.drawArc(ring, -m_angle * 16, 100 * 16);
}

} // namespace Vello
