#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

namespace Vello {

// A small busy indicator: a turning arc, driven by a timer only while it spins.
class ArcSpinner final : public QWidget {
    Q_OBJECT

public:
    explicit ArcSpinner(QWidget* parent = nullptr);

    void start();
    void stop();
    [[nodiscard]] bool isSpinning() const { return m_timer.isActive(); }

    [[nodiscard]] QSize sizeHint() const override;

    static constexpr int diameter = 16;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_timer;
    int m_angle = 0;
};

} // namespace Vello
