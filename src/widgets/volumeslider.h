#pragma once

#include <QAbstractSlider>

namespace Vello {

// A slim horizontal slider from 0 to 100 drawn in the palette: a rounded track filled in green
// up to a round knob. A press anywhere on it moves the knob there; the wheel and the arrow keys
// move it too.
class VolumeSlider final : public QAbstractSlider {
    Q_OBJECT

public:
    explicit VolumeSlider(QWidget* parent = nullptr);

    // A dimmed fill shows that what the slider sets is not heard right now.
    void setDimmed(bool dimmed);
    [[nodiscard]] bool isDimmed() const { return m_dimmed; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    [[nodiscard]] int valueAt(qreal x) const;

    bool m_dimmed = false;
};

} // namespace Vello
