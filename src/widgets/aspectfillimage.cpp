#include "aspectfillimage.h"

#include "palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace Vello {

AspectFillImage::AspectFillImage(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void AspectFillImage::setImage(const QPixmap& image)
{
    m_image = image;
    update();
}

void AspectFillImage::setImage(const QImage& image)
{
    setImage(QPixmap::fromImage(image));
}

QPixmap AspectFillImage::image() const
{
    return m_image;
}

std::optional<QRectF> AspectFillImage::drawingRect(QSizeF imageSize, QSizeF bounds)
{
    if (imageSize.width() <= 0 || imageSize.height() <= 0) {
        return std::nullopt;
    }
    const qreal imageAspect = imageSize.width() / imageSize.height();
    const qreal width = bounds.width();
    const qreal height = bounds.height();
    // A frame less than a pixel high would divide by (almost) nothing.
    const qreal viewAspect = width / std::max<qreal>(height, 1);
    if (viewAspect < imageAspect) {
        const qreal drawnWidth = imageAspect * height;
        return QRectF((width - drawnWidth) / 2, 0, drawnWidth, height);
    }
    const qreal drawnHeight = width / imageAspect;
    return QRectF(0, (height - drawnHeight) / 2, width, drawnHeight);
}

void AspectFillImage::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    QPainterPath frame;
    frame.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.setClipPath(frame);

    const auto target = AspectFillImage::drawingRect(m_image.deviceIndependentSize(), QSizeF(size()));
    if (target && !m_image.isNull()) {
        painter.drawPixmap(*target, m_image, QRectF(m_image.rect()));
    } else {
        painter.fillRect(rect(), velloPanel());
    }

    painter.setClipping(false);
    painter.setPen(QPen(QColor::fromRgbF(1.0F, 1.0F, 1.0F, 0.05F), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
}

} // namespace Vello
