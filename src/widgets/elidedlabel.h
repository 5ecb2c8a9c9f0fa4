#pragma once

#include <QLabel>
#include <QString>

namespace Vello {

// A one-line label that gives up width before anything around it does, cutting its text
// with a trailing "…" instead of clipping it.
class ElidedLabel final : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(const QString& text = {}, QWidget* parent = nullptr);

    void setTextColor(const QColor& color);
    // The text as drawn at the current width.
    [[nodiscard]] QString displayedText() const;
    // The width that shows the whole text uncut, rounded up: an advance rounded down cuts it.
    [[nodiscard]] int wholeTextWidth() const;

    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace Vello
