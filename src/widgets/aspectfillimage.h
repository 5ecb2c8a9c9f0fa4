#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

#include <optional>

namespace Vello {

// A rounded picture frame that scales its picture to cover the whole frame, cropping the
// overflow evenly on both sides. Without a usable picture it shows a plain velloPanel fill.
class AspectFillImage final : public QWidget {
    Q_OBJECT

public:
    explicit AspectFillImage(QWidget* parent = nullptr);

    // Every call repaints, even with the same picture.
    void setImage(const QPixmap& image);
    void setImage(const QImage& image);
    [[nodiscard]] QPixmap image() const;

    // Where a picture of `imageSize` is drawn inside `bounds` (top-left at 0,0); nothing when
    // the picture has no area.
    [[nodiscard]] static std::optional<QRectF> drawingRect(QSizeF imageSize, QSizeF bounds);

    static constexpr qreal cornerRadius = 12;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_image;
};

} // namespace Vello
