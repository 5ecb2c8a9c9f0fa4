#include "windowharness.h"

#include "screens/stationlist.h"
#include "widgets/stationrow.h"
#include "widgets/stationscrollarea.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace Vello {

WindowHarness::WindowHarness()
{
    window = std::make_unique<MainView>(source, media, http, preferences, queue, artwork);
    window->resize(1180, 760);
    window->show();
    settle();
}

WindowHarness::~WindowHarness()
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowHarness::deliver(std::vector<Station> stations)
{
    source.answer(std::move(stations));
    settle();
}

void WindowHarness::settle()
{
    queue.runPending();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowHarness::tap(const QString& name, bool last)
{
    const auto found = buttons(name);
    ASSERT_FALSE(found.empty()) << name.toStdString();
    click(last ? found.back() : found.front());
    settle();
}

std::vector<std::string> WindowHarness::contentOutline() const
{
    std::vector<std::string> outline;
    for (QWidget* item : window->contentItems()) {
        std::string entry = item->objectName().toStdString();
        if (entry == "statusPanel" || entry == "sectionTitle") {
            entry = (entry == "statusPanel" ? "status:" : "title:") + item->findChild<QLabel*>()->text().toStdString();
        } else if (auto* list = qobject_cast<StationList*>(item)) {
            entry = "list:" + std::to_string(list->stationCount());
            if (list->emptyLabel() != nullptr) {
                entry += ":" + list->emptyLabel()->text().toStdString();
            }
        }
        outline.push_back(entry);
    }
    return outline;
}

std::vector<QAbstractButton*> WindowHarness::buttons(const QString& name) const
{
    std::vector<QAbstractButton*> found;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->accessibleName() == name && button->isVisible()) {
            found.push_back(button);
        }
    }
    return found;
}

int WindowHarness::scrollY() const
{
    return window->contentScroll()->verticalScrollBar()->value();
}

void WindowHarness::scrollTo(int y)
{
    window->contentScroll()->verticalScrollBar()->setValue(y);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<std::string> WindowHarness::rowNames() const
{
    std::vector<std::string> names;
    if (StationList* list = window->stationList()) {
        for (const auto& [index, row] : list->liveRows()) {
            names.push_back(static_cast<StationRow*>(row)->station().displayName());
        }
    }
    return names;
}

void WindowHarness::saveShot(const QString& name) const
{
    const QString directory = qEnvironmentVariable("VELLO_SHOTS_DIR");
    if (!directory.isEmpty()) {
        window->grab().save(directory + u'/' + name + QStringLiteral(".png"));
    }
}

void click(QWidget* widget, std::optional<QPointF> at)
{
    const QPointF middle = at.value_or(QRectF(widget->rect()).center());
    const QPointF global = widget->mapToGlobal(middle);
    QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void pressKey(Qt::Key key)
{
    QWidget* target = QApplication::focusWidget();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QApplication::sendEvent(target, &press);
    if (QWidget* still = QApplication::focusWidget()) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(still, &release);
    }
}

void turnWheel(const WindowHarness& h, int notches)
{
    QWidget* viewport = h.window->contentScroll()->viewport();
    const QPointF at(100, 100);
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

} // namespace Vello
