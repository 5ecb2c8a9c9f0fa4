#pragma once

#include "browserfakes.h"
#include "fakehttpclient.h"
#include "manualmainqueue.h"
#include "playback/fakemediabackend.h"
#include "windowcore.h"

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace Vello {

// The browser and its session wired to fakes, the way the program wires them to the real ports.
struct BrowserHarness {
    RecordingView view;
    FakeStationSource source;
    FakeMediaBackend media;
    FakeHttpClient http;
    MemoryPreferences preferences;
    ManualMainQueue queue;
    // Kept in by keepOwnStationsIn() and keepSongsIn() where a test calls them.
    MemoryDocumentStore documents;
    std::unique_ptr<WindowCore> core = std::make_unique<WindowCore>(source, media, http, preferences, queue);
    BrowserController& browser = core->browser;
    PlaybackSession& session = core->session;

    // Starts the browser in the view and delivers `stations` as the catalog.
    void start(std::vector<Station> stations)
    {
        browser.start(view);
        source.answer(std::move(stations));
        queue.runPending();
        // Browse's counts come back from a worker through the queue: let them land first, or
        // their render would fall into whatever the test does next.
        for (int wait = 0; wait < 10000 && !browser.browseScope().discovery(); ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            queue.runPending();
        }
        view.events.clear();
    }
    // The identifiers of the list of the moment.
    [[nodiscard]] std::vector<std::string> listed() const { return idsOf(browser.filteredStations()); }
    [[nodiscard]] std::string currentId() const
    {
        return session.currentStation() ? session.currentStation()->id() : std::string();
    }
};

} // namespace Vello
