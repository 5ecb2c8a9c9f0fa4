#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QWidget>

namespace Vello {

// A picture of one colour, encoded in `format`.
inline QByteArray encodedImage(QSize size, const QColor& color, const char* format = "PNG")
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// `widget` and its children drawn over black, as the screen shows them.
inline QImage rendered(QWidget& widget)
{
    QImage shown(widget.size(), QImage::Format_ARGB32);
    shown.fill(Qt::black);
    widget.render(&shown, {}, {}, QWidget::DrawChildren);
    return shown;
}

} // namespace Vello
