#include "arcspinner.h"

#include "palette.h"

#include <QAccessibleWidget>
#include <QPainter>

#include <mutex>

namespace Vello {

namespace {

constexpr int frameInterval = 33;
constexpr int degreesPerFrame = 12;

// Assistive tools hear the spinner as an indicator that is busy while it turns.
class SpinnerAccessible final : public QAccessibleWidget {
public:
    explicit SpinnerAccessible(ArcSpinner* spinner)
        : QAccessibleWidget(spinner, QAccessible::ProgressBar, ArcSpinner::tr("Searching"))
    {
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.busy = static_cast<const ArcSpinner*>(widget())->isSpinning();
        return state;
    }
};

QAccessibleInterface* spinnerInterface(const QString& className, QObject* object)
{
    auto* spinner = qobject_cast<ArcSpinner*>(object);
    if (spinner == nullptr || className != QLatin1String(ArcSpinner::staticMetaObject.className())) {
        return nullptr;
    }
    return new SpinnerAccessible(spinner);
}

void announceBusy(ArcSpinner* spinner)
{
    QAccessible::State changed;
    changed.busy = true;
    QAccessibleStateChangeEvent event(spinner, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace

ArcSpinner::ArcSpinner(QWidget* parent)
    : QWidget(parent)
{
    static std::once_flag factoryInstalled;
    std::call_once(factoryInstalled, [] { QAccessible::installFactory(spinnerInterface); });
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
    announceBusy(this);
}

void ArcSpinner::stop()
{
    m_timer.stop();
    announceBusy(this);
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
