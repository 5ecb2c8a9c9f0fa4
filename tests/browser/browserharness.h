#pragma once

#include "browserfakes.h"
#include "fakehttpclient.h"
#include "manualmainqueue.h"
#include "playback/fakemediabackend.h"

#include "browser/browsercontroller.h"

#include <memory>
#include <string>
#include <vector>

namespace Vello {

// A controller wired to fakes, the way the window wires it to the real ports.
struct BrowserHarness {
    RecordingView view;
    FakeStationSource source;
    FakeMediaBackend media;
    FakeHttpClient http;
    MemoryPreferences preferences;
    ManualMainQueue queue;
    // Kept in by keepSongsIn() and keepOwnStationsIn() where a test calls them.
    MemoryDocumentStore documents;
    std::unique_ptr<BrowserController> controller
        = std::make_unique<BrowserController>(view, source, media, http, preferences, queue);

    // Starts the controller and delivers `stations` as the catalog.
    void start(std::vector<Station> stations)
    {
        controller->start();
        source.answer(std::move(stations));
        queue.runPending();
        view.events.clear();
    }
    // The identifiers of the list of the moment.
    [[nodiscard]] std::vector<std::string> listed() const { return idsOf(controller->filteredStations()); }
    [[nodiscard]] std::string currentId() const
    {
        return controller->currentStation() ? controller->currentStation()->id() : std::string();
    }
};

} // namespace Vello
