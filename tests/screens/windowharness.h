#pragma once

#include "browserfakes.h"
#include "fakehttpclient.h"
#include "manualmainqueue.h"
#include "playback/fakemediabackend.h"
#include "waitfor.h"
#include "windowcore.h"

#include "screens/mainview.h"
#include "widgets/artworkloader.h"
#include "widgets/stationrow.h"
#include "widgets/stationscrollarea.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace Vello {

// The fakes behind a window, and the core it shows wired to them.
struct WindowFakes {
    FakeStationSource source;
    FakeMediaBackend media;
    MemoryPreferences preferences;
    ManualMainQueue queue;
    FakeHttpClient http;
    ArtworkLoader artwork {http};
    WindowCore core {source, media, http, preferences, queue};
    BrowserController& browser = core.browser;
    PlaybackSession& session = core.session;
};

// Presses and releases `key` on the focused widget, as the keyboard does.
inline void pressKey(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

// The main window's views wired to fakes and shown on the offscreen platform at 1180 × 760.
struct WindowHarness : WindowFakes {
    std::unique_ptr<MainView> window = std::make_unique<MainView>(browser, session, artwork);

    WindowHarness()
    {
        // As the program does: each player's stream is kept, and recordings have a folder.
        session.setRecordingPlaces({"/music/Pemba Vello", "/cache"});
        window->resize(1180, 760);
        window->show();
        settle();
    }
    ~WindowHarness()
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Delivers `stations` as the catalog and lets the window rebuild.
    void deliver(std::vector<Station> stations)
    {
        source.answer(std::move(stations));
        settle();
        // Browse's counts come back from a worker: let them land before the test goes on.
        waitFor([this] {
            settle();
            return browser.browseScope().discovery().has_value();
        });
    }
    // Runs the main queue's due work and deletes the views the last rebuilds dropped.
    void settle()
    {
        queue.runPending();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Clicks the first (with `last`, the last) visible button named `name` and lets the window rebuild.
    void tap(const QString& name, bool last = false)
    {
        const auto found = buttons(name);
        ASSERT_FALSE(found.empty()) << name.toStdString();
        QTest::mouseClick(last ? found.back() : found.front(), Qt::LeftButton);
        settle();
    }

    // One word per content item, top to bottom: its object name, or "status:<text>",
    // "title:<text>", "list:<stations>" or "list:<stations>:<empty text>".
    [[nodiscard]] std::vector<std::string> contentOutline() const
    {
        std::vector<std::string> outline;
        for (QWidget* item : window->contentItems()) {
            std::string entry = item->objectName().toStdString();
            if (entry == "statusPanel" || entry == "sectionTitle") {
                entry = (entry == "statusPanel" ? "status:" : "title:")
                    + item->findChild<QLabel*>()->text().toStdString();
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
    // The visible buttons whose accessible name is `name`, in window order.
    [[nodiscard]] QList<QAbstractButton*> buttons(const QString& name) const
    {
        QList<QAbstractButton*> found = window->findChildren<QAbstractButton*>();
        found.removeIf(
            [&](QAbstractButton* button) { return button->accessibleName() != name || !button->isVisible(); });
        return found;
    }
    [[nodiscard]] int scrollY() const { return window->contentScroll()->verticalScrollBar()->value(); }
    void scrollTo(int y)
    {
        window->contentScroll()->verticalScrollBar()->setValue(y);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The stations of the rows that exist now, in list order.
    [[nodiscard]] std::vector<std::string> rowNames() const
    {
        std::vector<std::string> names;
        if (StationList* list = window->stationList()) {
            for (const auto& [index, row] : list->liveRows()) {
                names.push_back(static_cast<StationRow*>(row)->station().displayName());
            }
        }
        return names;
    }
    // Saves the window as <name>.png into $VELLO_SHOTS_DIR, when that is set: the pictures in
    // docs/screens come from the tests that check what they show.
    void saveShot(const QString& name) const
    {
        const QString directory = qEnvironmentVariable("VELLO_SHOTS_DIR");
        if (!directory.isEmpty()) {
            window->grab().save(directory + u'/' + name + QStringLiteral(".png"));
        }
    }
    // One notch of the mouse wheel over the content, downwards when `notches` is negative.
    void turnWheel(int notches) const
    {
        QWidget* viewport = window->contentScroll()->viewport();
        const QPointF at(100, 100);
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    }
};

} // namespace Vello
