#include "resources.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <mutex>

// The resources live in this static library, so nothing would pull their registration into
// the program unless it is referenced; it must also be called outside any namespace.
static void registerVelloResources()
{
    Q_INIT_RESOURCE(vello);
}

namespace Vello {

namespace {

void ensureResources()
{
    static std::once_flag once;
    std::call_once(once, registerVelloResources);
}

// Names come from code, but keep them from reaching anything outside the symbol folder.
bool isSymbolName(const QString& name)
{
    if (name.isEmpty() || name.contains(QStringLiteral(".."))) {
        return false;
    }
    return std::all_of(name.cbegin(), name.cend(),
        [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'-'; });
}

QString symbolPath(const QString& name)
{
    return QStringLiteral(":/symbols/%1.svg").arg(name);
}

} // namespace

bool hasSymbol(const QString& name)
{
    ensureResources();
    return isSymbolName(name) && QFile::exists(symbolPath(name));
}

QPixmap symbolPixmap(const QString& name, QSize size, const QColor& tint, qreal devicePixelRatio)
{
    if (!hasSymbol(name) || size.isEmpty()) {
        return {};
    }
    QSvgRenderer renderer(symbolPath(name));
    if (!renderer.isValid()) {
        return {};
    }
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    QImage canvas(pixels, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        const QSizeF drawn = QSizeF(renderer.defaultSize()).scaled(QSizeF(pixels), Qt::KeepAspectRatio);
        const QRectF target(
            QPointF((pixels.width() - drawn.width()) / 2, (pixels.height() - drawn.height()) / 2), drawn);
        renderer.render(&painter, target);
        // The drawings are monochrome shapes: only their coverage matters, the colour is ours.
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(canvas.rect(), tint);
    }
    canvas.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(canvas);
}

QPixmap loadResourceImage(const QString& name, const QString& extension)
{
    ensureResources();
    return QPixmap(QStringLiteral(":/images/%1.%2").arg(name, extension));
}

} // namespace Vello
