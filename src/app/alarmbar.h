#pragma once

#include "screens/panel.h"

class QLabel;
class QPushButton;

namespace Vello {

class MainView;

// The bar over the mini player while an alarm rings: what rings, Snooze and Stop.
class AlarmBar final : public Panel {
    Q_OBJECT

public:
    static constexpr int barHeight = 52;

    explicit AlarmBar(MainView& view);

    // Shows the bar with `what` rings, focused so that Space or Enter snoozes.
    void ring(const QString& what);
    [[nodiscard]] QPushButton* snoozeButton() const { return m_snooze; }
    [[nodiscard]] QPushButton* stopButton() const { return m_stop; }

Q_SIGNALS:
    void snoozeChosen();
    void stopChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    MainView& m_view;
    QLabel* m_label;
    QPushButton* m_snooze;
    QPushButton* m_stop;
};

} // namespace Vello
